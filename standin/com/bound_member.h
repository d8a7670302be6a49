#pragma once

#include <ole2.h>
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <tuple>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

#include "automation/member.h"
#include "standin/com/server_object.h"

// The COM side of a binding (bindings.h): reading a row's arguments by their kinds, calling the
// member function, answering its result; for a direct member, the function-table slot with the
// signature the row's kinds give it.
namespace standin::com::bound {

using automation::Access;
using automation::Kind;
using automation::Member;

// How a member function's parameter is held while the call is made: by value, except a
// reference the member may change.
template <class Param>
using Held = std::conditional_t<std::is_same_v<Param, std::int16_t&>, std::int16_t&,
                                std::remove_cvref_t<Param>>;

// The argument `index` of an Invoke, read as `kind` for the parameter `Param`.
template <class Param, Kind kind>
decltype(auto) read(const Arguments& args, UINT index, int offset) {
    if constexpr (kind == Kind::Axis) {
        return static_cast<std::remove_cvref_t<Param>>(offset + 1);
    } else if constexpr (kind == Kind::Bool) {
        return args.boolean(index);
    } else if constexpr (kind == Kind::Int16) {
        return args.int16(index);
    } else if constexpr (kind == Kind::Int16Ref) {
        return args.int16Ref(index);
    } else if constexpr (kind == Kind::Int32) {
        return args.int32(index);
    } else if constexpr (kind == Kind::Real) {
        return args.real(index);
    } else if constexpr (kind == Kind::Text) {
        return args.text(index);
    } else if constexpr (kind == Kind::Point) {
        return args.point(index);
    } else if constexpr (kind == Kind::Points) {
        return args.points(index);
    } else if constexpr (kind == Kind::Value) {
        return args.value(index);
    } else if constexpr (kind == Kind::Object) {
        // Another object of the same server, of the interface the member takes.
        using Target = typename std::remove_cvref_t<Param>::element_type;
        auto object = std::dynamic_pointer_cast<Target>(args.object(index)->embedded());
        if (!object) throw ArgumentError{DISP_E_TYPEMISMATCH, args.count() - 1 - index};
        return object;
    } else {
        static_assert(!sizeof(Param), "not an argument through IDispatch");
    }
}

// Answers a row through IDispatch: the call's form and argument count first, then each argument
// in the row's order, so that a report names the first bad one.
template <class Bound>
void invoke(ServerObject& self, automation::Object& object, const Arguments& args, int offset,
            VARIANT* out) {
    constexpr const Member& row = Bound::member;
    using Function = typename Bound::Function;
    using Params = typename Function::Arguments;
    if constexpr (row.access == Access::Put)
        args.expectPut();
    else
        args.expectCall(static_cast<UINT>(row.sent()));
    auto& target = dynamic_cast<typename Function::Class&>(object);
    constexpr UINT skipped = row.args[0] == Kind::Axis ? 1 : 0;  // an axis is no argument
    [&]<std::size_t... I>(std::index_sequence<I...>) {
        std::tuple<Held<std::tuple_element_t<I, Params>>...> values{
            read<std::tuple_element_t<I, Params>, row.args[I]>(
                args, I >= skipped ? static_cast<UINT>(I) - skipped : 0, offset)...};
        if constexpr (std::is_void_v<typename Function::Answer>)
            (target.*Bound::answer)(std::get<I>(values)...);
        else
            self.result((target.*Bound::answer)(std::get<I>(values)...), out);
    }
    (std::make_index_sequence<std::tuple_size_v<Params>>{});
}

// A direct member's parameters and result as its slot declares them.
template <Kind kind>
struct SlotIn;
template <>
struct SlotIn<Kind::Int32> {
    using Type = LONG;
    static std::int32_t take(LONG value) { return value; }
    static bool fits(LONG) { return true; }
};
template <>
struct SlotIn<Kind::Int16Variant> {
    using Type = VARIANT;
    static std::int16_t take(const VARIANT& value) { return value.iVal; }
    static bool fits(const VARIANT& value) { return value.vt == VT_I2; }
};

template <Kind kind>
struct SlotOut {
    using Type = void;  // no result
};
template <>
struct SlotOut<Kind::Real> {
    using Type = double;
    static HRESULT give(ServerObject&, const automation::Value& value, double* out) {
        const double* real = std::get_if<double>(&value.storage());
        if (!real) return DISP_E_TYPEMISMATCH;
        *out = *real;
        return S_OK;
    }
};
template <>
struct SlotOut<Kind::Object> {
    using Type = IDispatch*;
    static HRESULT give(ServerObject& self, const automation::Value& value, IDispatch** out) {
        VARIANT answer;
        self.result(value, &answer);
        if (answer.vt != VT_DISPATCH) {
            VariantClear(&answer);
            return DISP_E_TYPEMISMATCH;
        }
        *out = answer.pdispVal;  // the reference passes to the caller
        return S_OK;
    }
};

template <class Bound, class Indexes = std::make_index_sequence<Bound::member.arity()>>
struct Slot;
template <class Bound, std::size_t... I>
struct Slot<Bound, std::index_sequence<I...>> {
    static constexpr const Member& row = Bound::member;
    using Class = typename Bound::Function::Class;
    using Out = typename SlotOut<row.result>::Type;

    static HRESULT STDMETHODCALLTYPE plain(void* face, typename SlotIn<row.args[I]>::Type... in) {
        return run(face, nullptr, in...);
    }
    static HRESULT STDMETHODCALLTYPE answering(void* face, typename SlotIn<row.args[I]>::Type... in,
                                               Out* out) {
        if (!out) return E_POINTER;
        *out = Out{};
        return run(face, out, in...);
    }
    // An object of another kind does not hold the member.
    static HRESULT run(void* face, Out* out, typename SlotIn<row.args[I]>::Type... in) {
        ServerObject& self = ServerObject::behind(face);
        return self.direct([&]() -> HRESULT {
            const automation::ObjectPtr object = self.embedded();
            auto* target = dynamic_cast<Class*>(object.get());
            if (!target) return E_NOINTERFACE;
            if (!(SlotIn<row.args[I]>::fits(in) && ...)) return DISP_E_TYPEMISMATCH;
            if constexpr (row.result == Kind::None) {
                (target->*Bound::answer)(SlotIn<row.args[I]>::take(in)...);
                return S_OK;
            } else {
                return SlotOut<row.result>::give(
                    self, (target->*Bound::answer)(SlotIn<row.args[I]>::take(in)...), out);
            }
        });
    }
    static const void* pointer() {
        if constexpr (row.result == Kind::None)
            return reinterpret_cast<const void*>(&plain);
        else
            return reinterpret_cast<const void*>(&answering);
    }
};

template <class Bound>
BoundMember member() {
    constexpr const Member& row = Bound::member;
    auto holds = &com::holds<typename Bound::Function::Class>;
    if constexpr (row.isDirect())
        return {&row, holds, nullptr, Slot<Bound>::pointer()};
    else
        return {&row, holds, &invoke<Bound>, nullptr};
}

// Every binding of a kind of object, in its list's order.
template <class Members>
std::vector<BoundMember> members() {
    return []<std::size_t... I>(std::index_sequence<I...>) {
        return std::vector<BoundMember>{member<std::tuple_element_t<I, Members>>()...};
    }
    (std::make_index_sequence<std::tuple_size_v<Members>>{});
}

template <class Class>
Answer answer(const automation::Interface& face) {
    return {&face, &holds<Class>};
}

// The face of the objects of interface `Kind`, answering the rows of `Members`.
template <class Kind, class Members>
Face faceOf(std::vector<Answer> answers) {
    Face face{&holds<Kind>, std::move(answers), members<Members>(), {}};
    std::vector<std::pair<const automation::Member*, const void*>> slots;
    for (const BoundMember& member : face.members)
        if (member.slot) slots.emplace_back(member.member, member.slot);
    face.table = ServerObject::functionTable(slots);
    return face;
}

}  // namespace standin::com::bound
