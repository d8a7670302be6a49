#pragma once

namespace win {

// Places the window in the topmost band, keeping its place and size (Windows only).
void keepWindowOnTop(void* hwnd);

}  // namespace win
