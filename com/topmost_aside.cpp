#include "com/topmost_aside.h"

namespace com {

namespace {

constexpr UINT kKeepPlace = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;

BOOL CALLBACK collectTopmost(HWND window, LPARAM windows) {
    if (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST)
        reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
    return TRUE;
}

}  // namespace

void TopmostAside::stepAside() {
    std::vector<HWND> found;
    EnumThreadWindows(GetCurrentThreadId(), collectTopmost, reinterpret_cast<LPARAM>(&found));
    for (HWND window : found) {
        SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, kKeepPlace);
        windows_.push_back(window);
    }
}

TopmostAside::~TopmostAside() {
    for (HWND window : windows_)
        if (IsWindow(window)) SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, kKeepPlace);
}

}  // namespace com
