#pragma once

#include <ole2.h>
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "automation/value.h"
#include "points/point_line.h"

namespace standin::com {

class ServerObject;

// A call whose arguments do not have the types or the count the member declares; `position`
// counts in IDispatch's reversed order, as a server reports it.
struct ArgumentError {
    HRESULT result;
    UINT position;
};

// The arguments of one Invoke, read in the member's declared order (IDispatch hands them over
// reversed) and checked as strictly as a real server's type library would: anything else is an
// ArgumentError.
class Arguments {
  public:
    Arguments(const DISPPARAMS* params, WORD flags);

    // The call must be a method call or property get with exactly `count` arguments.
    void expectCall(UINT count) const;
    // The call must be a property put of one value, named DISPID_PROPERTYPUT.
    void expectPut() const;
    bool isPut() const { return (flags_ & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0; }

    std::int16_t int16(UINT index) const;
    std::int16_t& int16Ref(UINT index) const;
    std::int32_t int32(UINT index) const;
    double real(UINT index) const;
    bool boolean(UINT index) const;  // VARIANT_TRUE or VARIANT_FALSE only
    std::string text(UINT index) const;
    // Any plain value (number, text, boolean, nothing), as the stand-ins take answers.
    automation::Value value(UINT index) const;
    UINT count() const { return params_->cArgs; }
    ServerObject* object(UINT index) const;
    // A one-dimensional array of doubles by reference, lower bound 0, exactly three elements.
    points::Point3 point(UINT index) const;
    // The same with any multiple of three elements; a reference to no array gives none.
    std::vector<double> points(UINT index) const;

  private:
    const VARIANT& at(UINT index, VARTYPE type) const;
    std::vector<double> doubles(UINT index, bool exactlyThree) const;

    const DISPPARAMS* params_;
    WORD flags_;
};

}  // namespace standin::com
