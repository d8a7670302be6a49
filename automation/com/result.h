#pragma once

#include <memory>
#include <string>

#include "automation/com/com_object.h"
#include "automation/com/failure.h"
#include "automation/com/variant.h"
#include "automation/value.h"
#include "points/failure.h"

namespace automation::com {

// A result as the program's automation value: numbers, text, booleans, Empty and Null as such,
// a null object as a null object, any other object as an object of no kind the program knows.
Value toValue(const Variant& result);

// The automation interface of an object result, or empty when the result is no object.
ComPtr<IDispatch> objectOf(const Variant& result);

// Takes an object result as the interface the member's table gives: an object that does not
// answer to it is a failure; a result that is no object stays the plain value (the program's
// conversion then fails).
template <class Proxy>
Value objectResult(const Variant& result, const IID* iid, const std::string& member) {
    ComPtr<IDispatch> object = objectOf(result);
    if (!object) return toValue(result);
    if (iid && !object.template query<IUnknown>(*iid))
        throw points::Failure(member + " failed: the result does not answer to interface " +
                              guidText(*iid));
    return Value(std::make_shared<Proxy>(Dispatch(std::move(object))));
}

}  // namespace automation::com
