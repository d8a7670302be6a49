#pragma once

#include <ole2.h>
#include <windows.h>

#include <chrono>

#include "com/com_ptr.h"
#include "com/member_ids.h"
#include "com/outside_call.h"

namespace com {

// Every call to an outside application goes through here once: it is marked as the thread's
// call for the message filter, and a "retry later" that comes back as the call's own answer (a
// server that says so from inside the call, or a system whose COM does not ask the filter) is
// decided as the filter decides it. An outright rejection fails at once. The operator's Cancel
// fails the call whatever COM made of it, and the application is not called again through its
// link: every later call fails at once with RPC_E_CALL_CANCELED.
class BusyRetry {
  public:
    static constexpr std::chrono::milliseconds kDefaultBound{10'000};

    // How long "retry later" is retried before the operator is asked.
    static std::chrono::milliseconds bound();
    // Tests shorten it so that a server that stays busy does not hold the suite for long.
    static void setBound(std::chrono::milliseconds bound);

    // `link` is null for a call to no application the program knows by name. `object`, where
    // given, is the object called: the call may end in a window of the application's own (its
    // main window shown, a dialog it waits on), which Windows lets come forward only when this
    // program allows it; the proxy itself answers that, without a call.
    template <class Call>
    static HRESULT run(Link* link, IUnknown* object, Call&& call) {
        if (link && link->abandoned()) return RPC_E_CALL_CANCELED;
        if (object) CoAllowSetForegroundWindow(object, nullptr);
        OutsideCall mark(link);
        for (;;) {
            const HRESULT result = call();
            const DWORD pause = result == RPC_E_SERVERCALL_RETRYLATER && !mark.cancelled()
                                    ? retryAfter(mark)
                                    : kGiveUp;
            if (mark.cancelled()) return RPC_E_CALL_CANCELED;
            if (pause == kGiveUp) return result;
            Sleep(pause);
        }
    }

    // Lets go of a reference to an object of the application of `link`. A proxy's final release
    // is a call to its application and may wait like any other. Once the link is abandoned the
    // reference is dropped unreleased, since the application may never answer: a deliberate
    // leak, bounded by the objects the window and one press hold, which the system reclaims when
    // the program ends.
    template <class T>
    static void release(Link* link, ComPtr<T>& reference) {
        if (!reference) return;
        run(link, nullptr, [&] {
            reference.reset();
            return S_OK;
        });
        reference.abandon();  // still held only when the link was abandoned
    }

  private:
    static constexpr DWORD kGiveUp = static_cast<DWORD>(-1);
    // The pause before the next try, or kGiveUp.
    static DWORD retryAfter(const OutsideCall& call);
};

}  // namespace com
