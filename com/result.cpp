#include "com/result.h"

#include "com/busy_retry.h"
#include "com/plain_object.h"
#include "windows/wide_text.h"

namespace com {

ComPtr<IDispatch> automationOf(IUnknown* object, Link* link) {
    ComPtr<IDispatch> automation;
    BusyRetry::run(link, nullptr,
                   [&] { return object->QueryInterface(IID_IDispatch, automation.receiveVoid()); });
    return automation;
}

ComPtr<IDispatch> objectOf(const Variant& result, Link* link) {
    const VARIANT& v = result.get();
    if (v.vt == VT_DISPATCH) return ComPtr<IDispatch>::share(v.pdispVal);
    if (v.vt == VT_UNKNOWN && v.punkVal) return automationOf(v.punkVal, link);
    return {};
}

automation::Value toValue(const Variant& result) {
    const VARIANT& v = result.get();
    switch (v.vt) {
        case VT_EMPTY:
            return {};
        case VT_NULL:
            return automation::Value(automation::Null{});
        case VT_I1:
            return automation::Value(static_cast<std::int32_t>(v.cVal));
        case VT_UI1:
            return automation::Value(static_cast<std::int32_t>(v.bVal));
        case VT_I2:
            return automation::Value(static_cast<std::int32_t>(v.iVal));
        case VT_UI2:
            return automation::Value(static_cast<std::int32_t>(v.uiVal));
        case VT_I4:
            return automation::Value(static_cast<std::int32_t>(v.lVal));
        case VT_INT:
            return automation::Value(static_cast<std::int32_t>(v.intVal));
        case VT_R4:
            return automation::Value(static_cast<double>(v.fltVal));
        case VT_R8:
            return automation::Value(v.dblVal);
        case VT_BOOL:
            return automation::Value(v.boolVal != VARIANT_FALSE);
        case VT_BSTR:
            return automation::Value(v.bstrVal ? win::toUtf8({v.bstrVal, SysStringLen(v.bstrVal)})
                                               : "");
        case VT_DISPATCH:
        case VT_UNKNOWN: {
            ComPtr<IDispatch> object = objectOf(result);
            if (!object) return automation::Value(automation::ObjectPtr());
            return automation::Value(std::make_shared<PlainObject>(Dispatch(std::move(object))));
        }
        default: {
            // Wider integers, currency, dates, decimals: as a double, the widest the program takes.
            Variant real;
            if (FAILED(VariantChangeType(real.receive(), const_cast<VARIANT*>(&v), 0, VT_R8)))
                throw points::ProgramFailure("the result has a type the program cannot take (" +
                                             std::to_string(v.vt) + ")");
            return automation::Value(real.get().dblVal);
        }
    }
}

}  // namespace com
