#include "windows/topmost_aside.h"

#include <algorithm>

namespace win {

namespace {

thread_local TopmostAside* current = nullptr;

constexpr UINT kKeepPlace = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;

BOOL CALLBACK collectTopmost(HWND window, LPARAM windows) {
    if (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST)
        reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
    return TRUE;
}

}  // namespace

TopmostAside::TopmostAside(HWND application) : application_(application), previous_(current) {
    std::vector<HWND> found;
    EnumThreadWindows(GetCurrentThreadId(), collectTopmost, reinterpret_cast<LPARAM>(&found));
    current = this;
    for (HWND window : found) keepAside(window);
}

TopmostAside::~TopmostAside() {
    current = previous_;
    for (HWND window : windows_)
        if (IsWindow(window)) SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, kKeepPlace);
}

TopmostAside* TopmostAside::inForce() { return current; }

void TopmostAside::keepAside(HWND window) {
    if (std::find(windows_.begin(), windows_.end(), window) == windows_.end())
        windows_.push_back(window);
    SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, kKeepPlace);
    if (application_ && IsWindow(application_))
        SetWindowPos(window, GetLastActivePopup(application_), 0, 0, 0, 0, kKeepPlace);
}

}  // namespace win
