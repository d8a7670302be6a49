#pragma once

#include <windows.h>

#include <chrono>

#include "com/outside_application.h"
#include "com/outside_call.h"

namespace com {

// Every call to an outside application goes through here once: it is marked as the thread's
// call for the message filter, and a "retry later" that comes back as the call's own answer (a
// server that says so from inside the call, or a system whose COM does not ask the filter) is
// decided as the filter decides it. An outright rejection fails at once.
class BusyRetry {
  public:
    static constexpr std::chrono::milliseconds kDefaultBound{10'000};

    // How long "retry later" is retried before the operator is asked.
    static std::chrono::milliseconds bound();
    // Tests shorten it so that a server that stays busy does not hold the suite for long.
    static void setBound(std::chrono::milliseconds bound);

    template <class Call>
    static HRESULT run(const OutsideApplication* application, Call&& call) {
        OutsideCall mark(application);
        for (;;) {
            const HRESULT result = call();
            if (result != RPC_E_SERVERCALL_RETRYLATER) return result;
            const DWORD pause = retryAfter(mark);
            if (pause == static_cast<DWORD>(-1)) return result;
            Sleep(pause);
        }
    }

  private:
    // The pause before the next try, or -1 to give up.
    static DWORD retryAfter(const OutsideCall& call);
};

}  // namespace com
