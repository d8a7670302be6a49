#pragma once

#include <ole2.h>
#include <windows.h>

#include <string>

#include "com/busy_retry.h"
#include "com/com_object.h"
#include "com/hresult_failure.h"

namespace com {

// Calls a direct member at its position in the function table of the object's interface that
// holds it: how early-bound clients call members that are not reachable by name.
template <class... Args>
void callDirect(const ComObject& object, const Member& member, Args... args) {
    using Function = HRESULT(STDMETHODCALLTYPE*)(IUnknown*, Args...);
    IUnknown* face = object.face(member);
    void** table = *reinterpret_cast<void***>(face);
    auto function = reinterpret_cast<Function>(table[member.position]);
    check(BusyRetry::run(object.link().get(), face, [&] { return function(face, args...); }),
          std::string(member.name));
}

}  // namespace com
