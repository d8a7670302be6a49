#include "windows/keep_on_top.h"

#include <windows.h>

#include "windows/topmost_aside.h"

namespace win {

void keepWindowOnTop(void* hwnd) {
    // While the thread waits on an outside application the window stays behind the application's
    // dialog, whatever activated it; it returns to the top when the call ends.
    if (TopmostAside* aside = TopmostAside::inForce()) {
        aside->keepAside(static_cast<HWND>(hwnd));
        return;
    }
    // The result is deliberately not examined: a window that cannot be raised stays usable.
    SetWindowPos(static_cast<HWND>(hwnd), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

}  // namespace win
