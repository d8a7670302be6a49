#include "app/win32/fonts.h"

namespace app::win32 {

namespace {

// The designer's face at a size in hundredths of a point. "MS Sans Serif" is a bitmap font on
// Windows 10 and 11, drawn jagged and only in its few fixed sizes; "Microsoft Sans Serif" is its
// outline successor with the same metrics, so the captions still fit and grow with the DPI.
HFONT designerFont(int hundredthsOfPoint, int weight, int dotsPerInch) {
    return CreateFontW(-MulDiv(hundredthsOfPoint, dotsPerInch, 7200), 0, 0, 0, weight, FALSE, FALSE,
                       FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                       DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"Microsoft Sans Serif");
}

}  // namespace

DesignerFonts::DesignerFonts(int dotsPerInch)
    : regular_(designerFont(800, FW_NORMAL, dotsPerInch)),
      bold_(designerFont(975, FW_BOLD, dotsPerInch)) {}

DesignerFonts::~DesignerFonts() {
    DeleteObject(regular_);
    DeleteObject(bold_);
}

}  // namespace app::win32
