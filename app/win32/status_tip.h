#pragma once

#include <windows.h>

#include <string>

namespace app::win32 {

// The status label's tooltip: the cause behind its fixed text, shown when the pointer rests on
// the label. The label must be a static control with SS_NOTIFY, or the pointer passes through it.
class StatusTip {
  public:
    StatusTip() = default;
    ~StatusTip();
    StatusTip(const StatusTip&) = delete;
    StatusTip& operator=(const StatusTip&) = delete;

    // Made for the window's label; it lives as long as this object.
    void create(HWND form, HWND label, int dotsPerInch);
    // Shows `cause` as the tip and writes it to the debugger output; empty takes the tip away.
    void show(const std::string& cause);
    std::string text() const;

  private:
    HWND tip_ = nullptr;
    HWND form_ = nullptr;
    HWND label_ = nullptr;
};

}  // namespace app::win32
