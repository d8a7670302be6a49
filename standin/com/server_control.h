#pragma once

#include <windows.h>

#include <cstddef>

namespace standin::com {

// What a test sets on a stand-in server as a whole: calls to reject as busy before it answers
// again, and the calls it received at the COM boundary.
struct ServerControl {
    std::size_t rejectNext = 0;  // the next calls answered with `rejection`
    HRESULT rejection = RPC_E_CALL_REJECTED;
    std::size_t rejected = 0;
    std::size_t accepted = 0;
};

}  // namespace standin::com
