#pragma once

#include <windows.h>

namespace app::win32 {

// The wait cursor while a blocking call to an outside application runs; the window answers
// WM_SETCURSOR with it for as long as one of these lives, and the previous cursor comes back
// however the call ends.
class BusyCursor {
  public:
    BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
    ~BusyCursor();

    static bool active() { return depth_ > 0; }
    static HCURSOR cursor();

  private:
    HCURSOR previous_;
    static int depth_;
};

}  // namespace app::win32
