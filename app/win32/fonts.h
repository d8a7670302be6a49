#pragma once

#include <windows.h>

namespace app::win32 {

// The window's two fonts at one DPI: the designer's default for the controls (8 pt), and the bold
// one of the machine name line (9.75 pt). The handles are owned and deleted with the object.
class DesignerFonts {
  public:
    explicit DesignerFonts(int dotsPerInch);
    DesignerFonts(const DesignerFonts&) = delete;
    DesignerFonts& operator=(const DesignerFonts&) = delete;
    ~DesignerFonts();

    HFONT regular() const { return regular_; }
    HFONT bold() const { return bold_; }

  private:
    HFONT regular_;
    HFONT bold_;
};

}  // namespace app::win32
