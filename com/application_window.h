#pragma once

#include <ole2.h>
#include <windows.h>

#include "com/members.h"

namespace com {

// An outside application's main window, or null. Its windows are those of `callee`, the thread
// COM names as answering the call, where COM names one (Windows does; Wine gives none);
// otherwise the top-level windows of the processes that run the executable the application's
// class is registered to (LocalServer32), matched by file name.
HWND applicationWindow(HTASK callee, const OutsideApplication& application);

// Brings an outside application's window to the front for the operator: the window it last made
// active (the dialog it waits on, where it shows one). Returns whether it found one.
bool bringForward(HTASK callee, const OutsideApplication& application);

}  // namespace com
