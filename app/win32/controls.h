#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

#include "app/control_table.h"

namespace app::win32 {

// The window's child controls, made from the designer's table as the standard Windows controls
// and kept with their designer names. Frames are group boxes drawn around their contents, which
// are children of the window itself so that their notifications reach it; the children are made
// in tab-index order, which is the order the dialog manager walks with Tab.
class Controls {
  public:
    // Control identifiers start here, clear of IDOK and IDCANCEL.
    static constexpr int kFirstId = 100;

    void create(HWND parent, HINSTANCE instance);
    // Places every control for the given DPI and gives it its font.
    void layout(int dotsPerInch, HFONT regular, HFONT bold) const;

    // A control by its designer name, or nullptr.
    HWND find(std::string_view name) const;
    // The designer name of a control identifier, or an empty view.
    std::string_view nameOf(int id) const;

  private:
    struct Entry {
        const ControlDesign* design;
        HWND window;
        int leftTwips, topTwips;  // relative to the client area
    };

    const Entry* entry(std::string_view name) const;

    std::vector<Entry> entries_;
};

}  // namespace app::win32
