#include "windows/keep_on_top.h"

#include <windows.h>

namespace win {

void keepWindowOnTop(void* hwnd) {
    // The result is deliberately not examined: a window that cannot be raised stays usable.
    SetWindowPos(static_cast<HWND>(hwnd), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

}  // namespace win
