#pragma once

#include <ole2.h>
#include <windows.h>

#include <cstdint>
#include <list>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "com/com_object.h"
#include "com/direct_call.h"
#include "com/members.h"
#include "com/result.h"
#include "com/safe_array.h"
#include "com/variant.h"
#include "points/program_failure.h"

// Calls of the program's proxies, each by its member row: the row says how the member is
// reached and what its arguments and result are; the C++ arguments are checked against it when
// the call is compiled.
namespace com {

namespace wire {

// Whether a C++ argument of type `Arg` goes as `kind`.
template <Kind kind, class Arg>
constexpr bool fits() {
    if constexpr (kind == Kind::Int16Ref)
        return std::is_same_v<Arg, std::int16_t&>;
    else
        return automation::carries(kind, automation::kindOf<std::remove_cvref_t<Arg>>());
}

template <const Member& member, class... Args, std::size_t... I>
constexpr bool fitsAll(std::index_sequence<I...>) {
    return (fits<member.args[I], Args>() && ...);
}

// The arguments of a call through IDispatch, with the arrays they point at.
class Arguments {
  public:
    template <Kind kind, class Arg>
    void add(const Member& member, Arg& arg) {
        if constexpr (kind == Kind::Axis)
            offset_ = static_cast<int>(arg) - 1;
        else if constexpr (kind == Kind::Bool)
            values_.push_back(Variant::boolean(arg));
        else if constexpr (kind == Kind::Int16)
            values_.push_back(Variant::int16(arg));
        else if constexpr (kind == Kind::Int16Ref)
            values_.push_back(Variant::int16Ref(&arg));
        else if constexpr (kind == Kind::Int32)
            values_.push_back(Variant::int32(arg));
        else if constexpr (kind == Kind::Real)
            values_.push_back(Variant::real(arg));
        else if constexpr (kind == Kind::Text)
            values_.push_back(Variant::text(arg));
        else if constexpr (kind == Kind::Point)
            array(SafeArray({arg[0], arg[1], arg[2]}));
        // An array never allocated goes as a reference to no array at all, as VB passes it.
        else if constexpr (kind == Kind::Points)
            array(arg.empty() ? SafeArray() : SafeArray(arg));
        else if constexpr (kind == Kind::Object)
            values_.push_back(Variant::dispatch(of(member, arg)));
        else
            static_assert(!sizeof(Arg), "not an argument through IDispatch");
    }
    std::vector<Variant> take() { return std::move(values_); }
    int offset() const { return offset_; }

  private:
    void array(SafeArray values) {
        arrays_.push_back(std::move(values));
        values_.push_back(Variant::doubleArrayRef(arrays_.back().address()));
    }
    template <class Object>
    static IDispatch* of(const Member& member, const Object& object) {
        const auto* own = dynamic_cast<const ComObject*>(object.get());
        if (!own)
            throw points::ProgramFailure(std::string(member.name) +
                                         " failed: the object to pass is not the application's");
        return own->dispatch().get();
    }

    std::vector<Variant> values_;
    std::list<SafeArray> arrays_;  // where the array arguments point: never moved
    int offset_ = 0;
};

// A direct member's argument as its function-table slot declares it.
template <Kind kind, class Arg>
auto direct(const Arg& arg) {
    if constexpr (kind == Kind::Int32) {
        return static_cast<LONG>(arg);
    } else if constexpr (kind == Kind::Int16Variant) {
        VARIANT value;
        VariantInit(&value);
        value.vt = VT_I2;
        value.iVal = arg;
        return value;
    } else {
        static_assert(!sizeof(Arg), "not an argument of a direct member");
    }
}

}  // namespace wire

// Calls `member` on `object` with the arguments its row declares: through IDispatch by name or
// identifier, or at its function-table position. The answer as a VARIANT: a direct member's
// result is put into one.
template <const Member& member, class... Args>
Variant invoke(const ComObject& object, Args&&... args) {
    static_assert(member.arity() == sizeof...(Args), "the row declares other arguments");
    static_assert(wire::fitsAll<member, Args...>(std::index_sequence_for<Args...>{}),
                  "an argument is not of the kind the row declares");
    auto in = std::forward_as_tuple(args...);
    return [&]<std::size_t... I>(std::index_sequence<I...>) {
        if constexpr (member.reach == Reach::Direct) {
            if constexpr (member.result == Kind::Real) {
                double out = 0.0;
                callDirect(object, member, wire::direct<member.args[I]>(std::get<I>(in))..., &out);
                return Variant::real(out);
            } else if constexpr (member.result == Kind::Object) {
                ComPtr<IDispatch> out;
                callDirect(object, member, wire::direct<member.args[I]>(std::get<I>(in))...,
                           out.receive());
                return Variant::dispatch(out.get());
            } else {
                static_assert(member.result == Kind::None, "no such result of a direct member");
                callDirect(object, member, wire::direct<member.args[I]>(std::get<I>(in))...);
                return Variant();
            }
        } else {
            static_assert(member.reach == Reach::ByName || member.reach == Reach::ById);
            wire::Arguments sent;
            (sent.add<member.args[I]>(member, std::get<I>(in)), ...);
            const int offset = sent.offset();
            return object.dispatch().call(member, sent.take(), offset);
        }
    }
    (std::index_sequence_for<Args...>{});
}

// A plain result: a number, text, boolean, Empty or Null.
template <const Member& member, class... Args>
automation::Value valueCall(const ComObject& object, Args&&... args) {
    static_assert(member.result == Kind::Value || member.result == Kind::Real);
    return toValue(invoke<member>(object, std::forward<Args>(args)...));
}

// An object result, taken as the proxy `Proxy` of the interface the row gives.
template <class Proxy, const Member& member, class... Args>
automation::Value objectCall(const ComObject& object, Args&&... args) {
    static_assert(member.result == Kind::Object);
    return objectResult<Proxy>(invoke<member>(object, std::forward<Args>(args)...),
                               member.resultFace, labelOf(member), object.link());
}

}  // namespace com
