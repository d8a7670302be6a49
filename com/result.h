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

// The automation interface of `object`, or empty where it has none: asked of the application of
// `link` as any call to it is.
ComPtr<IDispatch> automationOf(IUnknown* object, Link* link);

// The automation interface of an object result, or empty when the result is no object.
ComPtr<IDispatch> objectOf(const Variant& result, Link* link = nullptr);

// Takes an object result of `link` as the interface the member's table gives: an object that
// does not answer to it is a failure; a result that is no object stays the plain value (the
// program's conversion then fails). The checked interface is kept for the object's direct
// members.
template <class Proxy>
automation::Value objectResult(const Variant& result, const Interface* kind,
                               const std::string& member, const std::shared_ptr<Link>& link) {
    ComPtr<IDispatch> object = objectOf(result, link.get());
    if (!object) return toValue(result);
    // The proxy owns the object before its check, so that a failed check lets go of it as the
    // link allows.
    auto proxy =
        std::make_shared<Proxy>(Dispatch(std::move(object), link->idsOf(typeid(Proxy)), link));
    if (kind) proxy->checkAs(*kind, member);
    return automation::Value(std::move(proxy));
}

}  // namespace com
