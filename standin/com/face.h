#pragma once

#include <ole2.h>
#include <windows.h>

#include <array>
#include <type_traits>
#include <vector>

#include "automation/member.h"
#include "automation/value.h"
#include "standin/com/arguments.h"

namespace standin::com {

class ServerObject;

// Whether an embedded object is of the interface `Class`.
template <class Class>
bool holds(const automation::Object& object) {
    if constexpr (std::is_same_v<Class, automation::Object>)
        return true;
    else
        return dynamic_cast<const Class*>(&object) != nullptr;
}

// An interface a kind of object answers to, where the object is of the class that has it.
struct Answer {
    const automation::Interface* face;
    bool (*holds)(const automation::Object&);
};

// One member row as a server object answers it: through IDispatch (`invoke`) or at its position
// in the function table (`slot`). `offset` picks among the row's consecutive identifiers.
struct BoundMember {
    const automation::Member* member;
    bool (*holds)(const automation::Object&);
    void (*invoke)(ServerObject& self, automation::Object& object, const Arguments& args,
                   int offset, VARIANT* out);
    const void* slot;
};

// A function table: IUnknown's and IDispatch's slots, then the direct members' at the positions
// their rows give them; positions a kind of object does not have answer E_NOTIMPL.
using FunctionTable = std::array<const void*, 64>;

// What the server objects over one kind of embedded object answer to, and how.
struct Face {
    bool (*is)(const automation::Object&);
    std::vector<Answer> answers;
    std::vector<BoundMember> members;
    FunctionTable table;
};

}  // namespace standin::com
