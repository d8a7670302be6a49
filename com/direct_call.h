#pragma once

#include <ole2.h>
#include <windows.h>

#include <string>

#include "com/busy_retry.h"
#include "com/hresult_failure.h"

namespace com {

// Calls the member at a fixed position of an interface's function table: how early-bound
// clients call members that are not reachable by name. `face` is the object's interface that
// holds the member (ComObject::face).
template <class... Args>
void callDirect(IUnknown* face, int position, const std::string& member, Args... args) {
    using Member = HRESULT(STDMETHODCALLTYPE*)(IUnknown*, Args...);
    void** table = *reinterpret_cast<void***>(face);
    auto function = reinterpret_cast<Member>(table[position]);
    check(BusyRetry::run([&] { return function(face, args...); }), member);
}

}  // namespace com
