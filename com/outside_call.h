#pragma once

#include <windows.h>

#include <chrono>
#include <optional>

#include "com/member_ids.h"
#include "com/members.h"
#include "windows/topmost_aside.h"

namespace com {

// One call this thread makes to an outside application, from its start until it returns: what
// the message filter reads to name the application in its dialogs, to time them, to step the
// thread's topmost windows aside while the call waits, and to hold the operator's Cancel. A call
// made while another waits (from a dialog's loop) nests inside it; the outermost one brings the
// windows back when it ends.
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

    // `link` is null for a call to no application the program knows by name.
    explicit OutsideCall(Link* link);
    OutsideCall(const OutsideCall&) = delete;
    OutsideCall& operator=(const OutsideCall&) = delete;
    ~OutsideCall();

    // The innermost call this thread is making, or null.
    static OutsideCall* current();

    const OutsideApplication* application() const;
    DWORD elapsedMs() const;

    // Until the outermost call ends, the thread's topmost windows stay behind `application`, the
    // application's main window (null where none is known).
    bool steppedAside() const;
    void stepAsideTopmost(HWND application);

    // The operator's Cancel: final for the whole call, and the application is not called again
    // through its link.
    void cancel();
    bool cancelled() const { return cancelled_; }

    // Where the waiting since the last dialog was answered began, in milliseconds since the
    // call started: the next dialog comes a whole bound after it.
    DWORD answeredAtMs = 0;

  private:
    OutsideCall& outermost();
    const OutsideCall& outermost() const;

    Link* link_;
    std::chrono::steady_clock::time_point started_;
    OutsideCall* outer_;
    std::optional<win::TopmostAside> aside_;  // the outermost call's
    bool cancelled_ = false;
};

}  // namespace com
