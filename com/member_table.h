#pragma once

#include <ole2.h>
#include <windows.h>

#include <string>
#include <string_view>

// What a member table row says: the program's COM client calls by it, the stand-ins' COM faces
// answer by it and the stand-ins' type library is checked against it, so each number is written
// in one place only.
namespace com {

struct Interface {
    std::string_view name;  // as the type library declares it
    GUID iid;
    // A derived interface holds its base's members at the base's positions.
    const Interface* base = nullptr;

    constexpr bool holdsMembersOf(const Interface& other) const {
        for (const Interface* face = this; face; face = face->base)
            if (face == &other) return true;
        return false;
    }
};

// How the program reaches a member: through IDispatch by name or by dispatch identifier, or at
// its position in an interface's function table (a method, a property get or a property put).
enum class Reach { ByName, ById, Direct, DirectGet, DirectPut };

struct Member {
    // By name: the name looked up. By identifier: what a failure calls the member. Direct: the
    // name the type library declares.
    std::string_view name;
    Reach reach;
    // The interface that declares the member; null where the program knows none.
    const Interface* face = nullptr;
    // By identifier: the application's. By name: the one the stand-ins answer the name with.
    DISPID id = DISPID_UNKNOWN;
    int position = -1;  // direct members only; 0 to 6 are IUnknown's and IDispatch's

    constexpr bool isDirect() const { return reach != Reach::ByName && reach != Reach::ById; }
};

// What a failure calls the member: a member reached by identifier is named with its number.
inline std::string labelOf(const Member& member) {
    std::string label(member.name);
    if (member.reach == Reach::ById) label += " (member " + std::to_string(member.id) + ")";
    return label;
}

}  // namespace com
