#pragma once

#include <ole2.h>
#include <windows.h>

#include "com/message_filter.h"

namespace com {

// COM on the window's thread: a single-threaded apartment with the message filter that handles busy
// and stuck calls, entered once by an object that lives as long as the thread uses COM, and left
// only where the operator cancelled no call.
class Apartment {
  public:
    Apartment();
    Apartment(const Apartment&) = delete;
    Apartment& operator=(const Apartment&) = delete;
    ~Apartment();

  private:
    MessageFilter filter_;
    IMessageFilter* previousFilter_ = nullptr;
    bool initialised_ = false;
    bool filterRegistered_ = false;
};

}  // namespace com
