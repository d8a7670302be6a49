#include "standin/com/arguments.h"

#include "com/result.h"
#include "com/variant.h"
#include "standin/com/server_object.h"
#include "windows/wide_text.h"

namespace standin::com {

Arguments::Arguments(const DISPPARAMS* params, WORD flags) : params_(params), flags_(flags) {}

void Arguments::expectCall(UINT count) const {
    if (isPut()) throw ArgumentError{DISP_E_MEMBERNOTFOUND, 0};
    if (params_->cNamedArgs != 0) throw ArgumentError{DISP_E_NONAMEDARGS, 0};
    if (params_->cArgs != count) throw ArgumentError{DISP_E_BADPARAMCOUNT, 0};
}

void Arguments::expectPut() const {
    if (!(flags_ & DISPATCH_PROPERTYPUT)) throw ArgumentError{DISP_E_MEMBERNOTFOUND, 0};
    if (params_->cNamedArgs != 1 || params_->rgdispidNamedArgs[0] != DISPID_PROPERTYPUT)
        throw ArgumentError{DISP_E_PARAMNOTOPTIONAL, 0};
    if (params_->cArgs != 1) throw ArgumentError{DISP_E_BADPARAMCOUNT, 0};
}

const VARIANT& Arguments::at(UINT index, VARTYPE type) const {
    const UINT reversed = params_->cArgs - 1 - index;
    const VARIANT& v = params_->rgvarg[reversed];
    if (v.vt != type) throw ArgumentError{DISP_E_TYPEMISMATCH, reversed};
    return v;
}

std::int16_t Arguments::int16(UINT index) const { return at(index, VT_I2).iVal; }

std::int16_t& Arguments::int16Ref(UINT index) const {
    const VARIANT& v = at(index, VT_I2 | VT_BYREF);
    if (!v.piVal) throw ArgumentError{DISP_E_TYPEMISMATCH, params_->cArgs - 1 - index};
    return *v.piVal;
}

std::int32_t Arguments::int32(UINT index) const { return at(index, VT_I4).lVal; }

double Arguments::real(UINT index) const { return at(index, VT_R8).dblVal; }

bool Arguments::boolean(UINT index) const {
    const VARIANT& v = at(index, VT_BOOL);
    if (v.boolVal != VARIANT_TRUE && v.boolVal != VARIANT_FALSE)
        throw ArgumentError{DISP_E_TYPEMISMATCH, params_->cArgs - 1 - index};
    return v.boolVal == VARIANT_TRUE;
}

std::string Arguments::text(UINT index) const {
    const VARIANT& v = at(index, VT_BSTR);
    return v.bstrVal ? win::toUtf8({v.bstrVal, SysStringLen(v.bstrVal)}) : "";
}

automation::Value Arguments::value(UINT index) const {
    const UINT reversed = params_->cArgs - 1 - index;
    ::com::Variant copy;
    if (FAILED(VariantCopyInd(copy.receive(), &params_->rgvarg[reversed])) ||
        copy.get().vt == VT_DISPATCH || copy.get().vt == VT_UNKNOWN)
        throw ArgumentError{DISP_E_TYPEMISMATCH, reversed};
    return ::com::toValue(copy);
}

ServerObject* Arguments::object(UINT index) const {
    ServerObject* object = ServerObject::fromInterface(at(index, VT_DISPATCH).pdispVal);
    if (!object) throw ArgumentError{DISP_E_TYPEMISMATCH, params_->cArgs - 1 - index};
    return object;
}

std::vector<double> Arguments::doubles(UINT index, bool exactlyThree) const {
    const UINT reversed = params_->cArgs - 1 - index;
    const VARIANT& v = at(index, VT_ARRAY | VT_R8 | VT_BYREF);
    if (!v.pparray) throw ArgumentError{DISP_E_TYPEMISMATCH, reversed};
    SAFEARRAY* array = *v.pparray;
    if (!array) {
        if (exactlyThree) throw ArgumentError{DISP_E_TYPEMISMATCH, reversed};
        return {};
    }
    LONG lower = 0, upper = -1;
    VARTYPE type = VT_EMPTY;
    if (SafeArrayGetDim(array) != 1 || FAILED(SafeArrayGetVartype(array, &type)) || type != VT_R8 ||
        FAILED(SafeArrayGetLBound(array, 1, &lower)) || lower != 0 ||
        FAILED(SafeArrayGetUBound(array, 1, &upper)))
        throw ArgumentError{DISP_E_TYPEMISMATCH, reversed};
    const std::size_t count = static_cast<std::size_t>(upper - lower + 1);
    if (exactlyThree ? count != 3 : count % 3 != 0)
        throw ArgumentError{DISP_E_TYPEMISMATCH, reversed};
    std::vector<double> values(count);
    for (LONG i = 0; i < static_cast<LONG>(count); ++i) SafeArrayGetElement(array, &i, &values[i]);
    return values;
}

points::Point3 Arguments::point(UINT index) const {
    const std::vector<double> v = doubles(index, true);
    return {v[0], v[1], v[2]};
}

std::vector<double> Arguments::points(UINT index) const { return doubles(index, false); }

}  // namespace standin::com
