#pragma once

namespace win {

// Places the window in the topmost band, keeping its place and size (Windows only); while a
// TopmostAside is in force on the thread, behind the outside application's window instead.
void keepWindowOnTop(void* hwnd);

}  // namespace win
