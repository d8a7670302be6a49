#include "app/win32/fonts.h"

namespace app::win32 {

namespace {

// MS Sans Serif at a size in hundredths of a point; Windows maps the name to Microsoft Sans
// Serif, its outline successor, so the text stays sharp at any DPI.
HFONT designerFont(int hundredthsOfPoint, int weight, int dotsPerInch) {
    return CreateFontW(-MulDiv(hundredthsOfPoint, dotsPerInch, 7200), 0, 0, 0, weight, FALSE, FALSE,
                       FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                       DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"MS Sans Serif");
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
