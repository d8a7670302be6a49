#pragma once

#include <windows.h>

#include <vector>

namespace com {

// This thread's windows that stood in the topmost band, stepped out of it so that an outside
// application's windows (the dialog it waits on) can come above them; they return to the band
// when this ends.
class TopmostAside {
  public:
    TopmostAside() = default;
    TopmostAside(const TopmostAside&) = delete;
    TopmostAside& operator=(const TopmostAside&) = delete;
    ~TopmostAside();

    // The thread's windows now in the topmost band leave it, to return when this ends.
    void stepAside();

  private:
    std::vector<HWND> windows_;
};

}  // namespace com
