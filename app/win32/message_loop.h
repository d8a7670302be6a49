#pragma once

#include <windows.h>

namespace app::win32 {

// Runs the window's messages until the program ends, passing keyboard input through the dialog
// manager first (Tab, Shift+Tab, arrow keys within an option group, Enter). Returns the exit
// code the program ends with.
int runMessageLoop(HWND form);

}  // namespace app::win32
