#include "com/variant.h"

#include <cstring>

#include "com/bstr.h"

namespace com {

Variant::Variant(Variant&& other) noexcept {
    std::memcpy(&v_, &other.v_, sizeof v_);
    VariantInit(&other.v_);
}

Variant& Variant::operator=(Variant&& other) noexcept {
    if (this != &other) {
        VariantClear(&v_);
        std::memcpy(&v_, &other.v_, sizeof v_);
        VariantInit(&other.v_);
    }
    return *this;
}

Variant Variant::int16(std::int16_t value) {
    Variant v;
    v.v_.vt = VT_I2;
    v.v_.iVal = value;
    return v;
}

Variant Variant::int32(std::int32_t value) {
    Variant v;
    v.v_.vt = VT_I4;
    v.v_.lVal = value;
    return v;
}

Variant Variant::real(double value) {
    Variant v;
    v.v_.vt = VT_R8;
    v.v_.dblVal = value;
    return v;
}

Variant Variant::boolean(bool value) {
    Variant v;
    v.v_.vt = VT_BOOL;
    v.v_.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
    return v;
}

Variant Variant::text(std::string_view utf8) {
    Variant v;
    v.v_.vt = VT_BSTR;
    v.v_.bstrVal = Bstr(utf8).release();
    return v;
}

Variant Variant::dispatch(IDispatch* object) {
    Variant v;
    v.v_.vt = VT_DISPATCH;
    v.v_.pdispVal = object;
    if (object) object->AddRef();
    return v;
}

Variant Variant::int16Ref(std::int16_t* value) {
    Variant v;
    v.v_.vt = VT_I2 | VT_BYREF;
    v.v_.piVal = value;
    return v;
}

Variant Variant::doubleArrayRef(SAFEARRAY** array) {
    Variant v;
    v.v_.vt = VT_ARRAY | VT_R8 | VT_BYREF;
    v.v_.pparray = array;
    return v;
}

VARIANT* Variant::receive() {
    VariantClear(&v_);
    return &v_;
}

}  // namespace com
