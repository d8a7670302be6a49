#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>

namespace standin::com {

// Calls a server received at the COM boundary, each kind on its own.
struct CallCounts {
    std::size_t lookups = 0;  // GetIDsOfNames
    std::size_t invokes = 0;  // Invoke
    std::size_t directs = 0;  // direct members by function-table position
    std::size_t queries = 0;  // QueryInterface for an interface of the applications
    std::size_t releases = 0;
};

// What a test sets on a stand-in server as a whole: calls to reject as busy before it answers
// again, calls to hold until the test lets them go, and the calls it received at the COM
// boundary.
struct ServerControl {
    std::size_t rejectNext = 0;  // the next calls answered with `rejection`
    HRESULT rejection = RPC_E_SERVERCALL_RETRYLATER;
    std::size_t rejected = 0;
    std::size_t accepted = 0;
    // The next calls taken and not answered, as by an application that shows a dialog from
    // inside a call: each waits, still serving other calls, until `held` is cleared.
    std::size_t holdNext = 0;
    bool held = false;
    CallCounts calls;
    // Server objects handed out and not yet released; a local server ends when none is left.
    std::size_t objects = 0;
    std::function<void()> onLastObject;
    // Runs after every call into an object, before it answers.
    std::function<void()> afterCall;
};

}  // namespace standin::com
