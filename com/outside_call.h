#pragma once

#include <windows.h>

#include <chrono>

#include "com/outside_application.h"
#include "com/topmost_aside.h"

namespace com {

// One call this thread makes to an outside application, from its start until it returns: what
// the message filter reads to name the application in its dialogs, to time them, and to step the
// thread's topmost windows aside while the call waits. A call made while another waits (from a
// dialog's loop) nests inside it; the outermost one brings the windows back when it ends.
class OutsideCall {
  public:
    // Told when the thread's outermost call starts and ends.
    class Watcher {
      public:
        virtual void callStarted() = 0;
        virtual void callEnded() = 0;

      protected:
        ~Watcher() = default;
    };
    // Sets the thread's watcher and gives the one it replaces.
    static Watcher* watchThisThread(Watcher* watcher);

    // `application` is null for a call to no application the program knows by name.
    explicit OutsideCall(const OutsideApplication* application);
    OutsideCall(const OutsideCall&) = delete;
    OutsideCall& operator=(const OutsideCall&) = delete;
    ~OutsideCall();

    // The innermost call this thread is making, or null.
    static OutsideCall* current();

    const OutsideApplication* application() const { return application_; }
    DWORD elapsedMs() const;
    // Until the outermost call ends.
    void stepAsideTopmost();

    // Where the waiting since the last dialog was answered began, in milliseconds since the
    // call started: the next dialog comes a whole bound after it.
    DWORD answeredAtMs = 0;

  private:
    const OutsideApplication* application_;
    std::chrono::steady_clock::time_point started_;
    OutsideCall* outer_;
    TopmostAside aside_;  // the outermost call's
    bool steppedAside_ = false;
};

}  // namespace com
