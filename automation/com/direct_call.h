#pragma once

#include <ole2.h>
#include <windows.h>

#include <string>

#include "automation/com/busy_retry.h"
#include "automation/com/com_ptr.h"
#include "automation/com/failure.h"
#include "points/failure.h"

namespace automation::com {

// Calls the member at a fixed position of an interface's function table, after asking the object
// for that interface: how early-bound clients call members that are not reachable by name.
template <class... Args>
void callDirect(IUnknown* object, const IID& iid, int position, const std::string& member,
                Args... args) {
    if (!object) throw points::Failure(member + " failed: no object");
    ComPtr<IUnknown> face = ComPtr<IUnknown>::share(object).template query<IUnknown>(iid);
    if (!face)
        throw points::Failure(member + " failed: the object does not answer to interface " +
                              guidText(iid));
    using Member = HRESULT(STDMETHODCALLTYPE*)(IUnknown*, Args...);
    void** table = *reinterpret_cast<void***>(face.get());
    auto function = reinterpret_cast<Member>(table[position]);
    check(BusyRetry::run([&] { return function(face.get(), args...); }), member);
}

}  // namespace automation::com
