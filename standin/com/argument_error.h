#pragma once

#include <windows.h>

namespace standin::com {

// A call whose arguments do not have the types or the count the member declares; `position`
// counts in IDispatch's reversed order, as a server reports it.
struct ArgumentError {
    HRESULT result;
    UINT position;
};

}  // namespace standin::com
