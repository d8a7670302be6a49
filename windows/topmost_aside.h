#pragma once

#include <windows.h>

#include <vector>

namespace win {

// This thread's windows that stood in the topmost band, stepped out of it while the thread waits
// on an outside application, so that the application's windows (the dialog it waits on) can be
// seen. While it lives it is in force: keepWindowOnTop keeps a window out of the band behind the
// application's window instead, whatever activated it. The windows return to the band when it
// ends.
class TopmostAside {
  public:
    // `application` is the application's main window, or null where none is known.
    explicit TopmostAside(HWND application);
    TopmostAside(const TopmostAside&) = delete;
    TopmostAside& operator=(const TopmostAside&) = delete;
    ~TopmostAside();

    // The aside in force on this thread, or null.
    static TopmostAside* inForce();
    // Out of the topmost band until this ends, behind the window the application last made
    // active (the dialog it shows): leaving the band alone would keep `window` above it.
    void keepAside(HWND window);

  private:
    HWND application_;
    std::vector<HWND> windows_;
    TopmostAside* previous_;
};

}  // namespace win
