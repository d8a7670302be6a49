#pragma once

#include <windows.h>

namespace app::win32 {

// The designer measured everything in twips, 1440 to the inch.
int twipsToPixels(int twips, int dotsPerInch);

// The dots per inch of the monitor the window is on: per window on Windows 10 and later, the
// system's setting on older Windows (found at run time, so the program still starts there).
int dpiOf(HWND window);

// The outer size of a window whose client area is the given size, at the given DPI.
SIZE windowSizeFor(SIZE client, DWORD style, DWORD exStyle, int dotsPerInch);

}  // namespace app::win32
