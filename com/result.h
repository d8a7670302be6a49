#pragma once

#include <memory>
#include <string>

#include "automation/value.h"
#include "com/com_object.h"
#include "com/hresult_failure.h"
#include "com/variant.h"
#include "points/program_failure.h"

namespace com {

// A result as the program's automation value: numbers, text, booleans, Empty and Null as such,
// a null object as a null object, any other object as an object of no kind the program knows.
automation::Value toValue(const Variant& result);

// The automation interface of an object result, or empty when the result is no object.
ComPtr<IDispatch> objectOf(const Variant& result);

// Takes an object result of `link` as the interface the member's table gives: an object that
// does not answer to it is a failure; a result that is no object stays the plain value (the
// program's conversion then fails). The checked interface is kept for the object's direct
// members.
template <class Proxy>
automation::Value objectResult(const Variant& result, const Interface* kind,
                               const std::string& member, const std::shared_ptr<Link>& link) {
    ComPtr<IDispatch> object = objectOf(result);
    if (!object) return toValue(result);
    CheckedFace checked;
    if (kind) {
        checked = {kind, requireInterface(object.get(), kind->iid, member, "the result")};
    }
    Dispatch dispatch(std::move(object), link->idsOf(typeid(Proxy)), link->application());
    return automation::Value(
        std::make_shared<Proxy>(std::move(dispatch), std::move(checked), link));
}

}  // namespace com
