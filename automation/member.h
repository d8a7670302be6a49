#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <vector>

#include "automation/value.h"
#include "points/point_line.h"

// What the program calls on an outside application, one row a member, written once beside the
// interface that declares it (cmm/api.h, cad/api.h). The COM client calls by the rows, the
// stand-ins answer, count and fail by them, and the stand-ins' type library is checked against
// them.
namespace automation {

// An outside application as the operator knows it: the name its dialogs give it, and the ProgID
// its class is registered under (which leads to the executable that runs it).
struct OutsideApplication {
    std::string_view name;
    const char* progId;
};

// An interface identifier, laid out as Windows lays out a GUID.
struct Guid {
    std::uint32_t data1;
    std::uint16_t data2;
    std::uint16_t data3;
    std::array<std::uint8_t, 8> data4;
};

struct Interface {
    std::string_view name;  // as the type library declares it
    Guid iid;
    // A derived interface holds its base's members at the base's positions.
    const Interface* base = nullptr;

    constexpr bool holdsMembersOf(const Interface& other) const {
        for (const Interface* face = this; face; face = face->base)
            if (face == &other) return true;
        return false;
    }
};

// How the program reaches a member: through IDispatch by name or by dispatch identifier, at its
// position in an interface's function table, or (the application itself) by its ProgID.
enum class Reach { ByName, ById, Direct, Connect };
// A method call, a property get or a property put.
enum class Access { Method, Get, Put };

// What an argument or a result is on the wire.
enum class Kind {
    None,          // no result
    Value,         // any plain value: number, text, boolean, Empty, Null
    Object,        // an object: for a result, of the row's result interface where it gives one
    Bool,          // VARIANT_BOOL
    Int16,         // a 16-bit integer
    Int16Ref,      // a 16-bit integer by reference, which the member may change
    Int16Variant,  // a 16-bit integer inside a VARIANT, for a direct member that declares one
    Int32,
    Real,  // a double
    Text,
    Point,   // three doubles, as an array by reference
    Points,  // any multiple of three doubles, as an array by reference; none for no array at all
    Axis,    // no argument: picks one of three consecutive identifiers, X first
};

inline constexpr std::int32_t kNoId = -1;      // as DISPID_UNKNOWN
inline constexpr std::int32_t kDefaultId = 0;  // as DISPID_VALUE: the object's default member

struct Member {
    // The name the program looks up, the type library declares or the stand-ins' controls take.
    std::string_view name;
    Reach reach = Reach::ByName;
    Access access = Access::Method;
    const Interface* face = nullptr;  // the interface that declares it; none where none is known
    // The dispatch identifier the member is called by, where one is fixed (a member reached by
    // identifier, a stand-in server's controls); for any other member called by name the
    // application says it when asked.
    std::int32_t id = kNoId;
    int position = -1;  // direct members only; 0 to 6 are IUnknown's and IDispatch's
    std::array<Kind, 6> args{Kind::None, Kind::None, Kind::None,
                             Kind::None, Kind::None, Kind::None};
    Kind result = Kind::None;
    const Interface* resultFace = nullptr;  // what an object result must answer to
    // What a failure calls a member reached by identifier; the name for any other.
    std::string_view label = {};

    constexpr std::size_t arity() const {
        std::size_t n = 0;
        while (n < args.size() && args[n] != Kind::None) ++n;
        return n;
    }
    // Arguments that travel as such (an axis goes in the identifier).
    constexpr std::size_t sent() const { return arity() - (args[0] == Kind::Axis ? 1 : 0); }
    constexpr bool isDirect() const { return reach == Reach::Direct; }
};

// What a failure calls the member reached at `id`: a member reached by identifier is named with
// its number.
inline std::string labelOf(const Member& member, std::int32_t id) {
    if (member.reach != Reach::ById) return std::string(member.name);
    return std::string(member.label) + " (member " + std::to_string(id) + ")";
}
inline std::string labelOf(const Member& member) { return labelOf(member, member.id); }

// The kind a C++ argument of the interfaces goes as.
template <class T>
constexpr Kind kindOf() {
    using Plain = std::remove_cvref_t<T>;
    if constexpr (std::is_same_v<T, std::int16_t&>)
        return Kind::Int16Ref;
    else if constexpr (std::is_same_v<Plain, bool>)
        return Kind::Bool;
    else if constexpr (std::is_same_v<Plain, std::int16_t>)
        return Kind::Int16;
    else if constexpr (std::is_same_v<Plain, std::int32_t>)
        return Kind::Int32;
    else if constexpr (std::is_same_v<Plain, double>)
        return Kind::Real;
    else if constexpr (std::is_same_v<Plain, std::string>)
        return Kind::Text;
    else if constexpr (std::is_same_v<Plain, points::Point3>)
        return Kind::Point;
    else if constexpr (std::is_same_v<Plain, std::vector<double>>)
        return Kind::Points;
    else if constexpr (std::is_enum_v<Plain>)
        return Kind::Axis;
    else if constexpr (std::is_same_v<Plain, Value>)
        return Kind::Value;
    else if constexpr (std::is_convertible_v<Plain, ObjectPtr>)
        return Kind::Object;
    else
        static_assert(!sizeof(T), "no automation kind for this argument");
}

// Whether a C++ argument of kind `given` goes as the row's `declared` kind.
constexpr bool carries(Kind declared, Kind given) {
    return declared == given || (declared == Kind::Int16Variant && given == Kind::Int16);
}

// Whether the C++ arguments `Args` are the row's, in its order.
template <class... Args>
constexpr bool takes(const Member& member) {
    if (member.arity() != sizeof...(Args)) return false;
    [[maybe_unused]] std::size_t i = 0;
    return (carries(member.args[i++], kindOf<Args>()) && ...);
}

template <class Function>
struct MemberFunction;
template <class Object, class Result, class... Params>
struct MemberFunction<Result (Object::*)(Params...)> {
    using Class = Object;
    using Answer = Result;
    using Arguments = std::tuple<Params...>;
    static constexpr bool takes(const Member& member) {
        return automation::takes<Params...>(member);
    }
};

// A row and the interface's member function that answers it; its arguments must be the row's.
template <const Member& row, auto function>
struct Bind {
    using Function = MemberFunction<decltype(function)>;
    static_assert(Function::takes(row), "the member function takes other arguments than the row");
    static_assert(std::is_void_v<typename Function::Answer> == (row.result == Kind::None),
                  "a row with a result is answered by a function with one");
    static constexpr const Member& member = row;
    static constexpr auto answer = function;
};

// The rows a list of bindings answers, in its order.
template <class... Binds>
constexpr auto rowsOf(std::tuple<Binds...>) {
    return std::array<const Member*, sizeof...(Binds)>{&Binds::member...};
}

// Lists of rows as one.
template <std::size_t... N>
constexpr auto joined(const std::array<const Member*, N>&... lists) {
    std::array<const Member*, (N + ...)> all{};
    std::size_t at = 0;
    ((std::copy(lists.begin(), lists.end(), all.begin() + at), at += N), ...);
    return all;
}

}  // namespace automation
