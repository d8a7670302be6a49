#pragma once

#include <windows.h>

#include <string>

namespace app::win32 {

// The status label's tooltip: the cause behind its fixed text, shown when the pointer rests on
// the label. The label must be a static control with SS_NOTIFY, or the pointer passes through it.
class StatusTip {
  public:
    StatusTip() = default;
    StatusTip(const StatusTip&) = delete;
    StatusTip& operator=(const StatusTip&) = delete;

    // Made as a child of the window, which destroys it.
    void create(HWND form, HWND label, int dotsPerInch);
    // Shows `cause` as the tip and writes it to the debugger output; empty takes the tip away.
    void show(const std::string& cause);
    std::string text() const;

  private:
    TOOLINFOW tool() const;

    HWND tip_ = nullptr;
    HWND form_ = nullptr;
    HWND label_ = nullptr;
};

}  // namespace app::win32
