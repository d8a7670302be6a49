#pragma once

#include <windows.h>

#include <chrono>

namespace com {

// A server that is busy (a dialog open, a regeneration running) rejects calls; they are retried
// quietly for a bounded time before they count as failed, as classic automation clients do.
class BusyRetry {
  public:
    static constexpr std::chrono::milliseconds kDefaultBound{10'000};
    static constexpr std::chrono::milliseconds kPollInterval{100};

    static bool isBusy(HRESULT result) {
        return result == RPC_E_CALL_REJECTED || result == RPC_E_SERVERCALL_RETRYLATER;
    }

    static std::chrono::milliseconds bound();
    // Tests shorten it so that a server that stays busy does not hold the suite for long.
    static void setBound(std::chrono::milliseconds bound);

    // Calls again while the answer is "busy" and the bound has not passed; returns the last answer.
    template <class Call>
    static HRESULT run(Call&& call) {
        const auto deadline = std::chrono::steady_clock::now() + bound();
        for (;;) {
            const HRESULT result = call();
            if (!isBusy(result) || std::chrono::steady_clock::now() >= deadline) return result;
            Sleep(static_cast<DWORD>(kPollInterval.count()));
        }
    }
};

}  // namespace com
