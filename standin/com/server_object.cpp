#include "standin/com/server_object.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>

#include "com/bstr.h"
#include "com/interface_ids.h"
#include "points/program_failure.h"
#include "standin/com/argument_error.h"
#include "windows/wide_text.h"

namespace standin::com {

namespace {

bool isApplicationInterface(const IID& iid) {
    namespace ids = ::com::ids;
    for (const GUID* known :
         {&ids::kCmmApplication, &ids::kCmmMachine, &ids::kCmmCommands, &ids::kCmmCommand,
          &ids::kCmmFeatureData, &ids::kCmmPointObject, &ids::kCadObject, &ids::kCadEntity,
          &ids::kCadSolid, &ids::kCadCircle, &ids::kCadSpline, &ids::kCadGroup}) {
        if (iid == *known) return true;
    }
    return false;
}

void fillException(EXCEPINFO* exception, const std::string& description) {
    if (!exception) return;
    std::memset(exception, 0, sizeof *exception);
    exception->scode = E_FAIL;
    exception->bstrSource = ::com::Bstr("stand-in").release();
    exception->bstrDescription = ::com::Bstr(description).release();
}

}  // namespace

// The hand-laid function table: each slot forwards to the object behind the face.
struct Slots {
    using Face = ServerObject::Face;
    static ServerObject* self(void* face) { return static_cast<Face*>(face)->self; }

    static HRESULT STDMETHODCALLTYPE queryInterface(void* f, REFIID iid, void** out) {
        return self(f)->queryInterface(iid, out);
    }
    static ULONG STDMETHODCALLTYPE addRef(void* f) {
        return static_cast<ULONG>(InterlockedIncrement(&self(f)->references_));
    }
    static ULONG STDMETHODCALLTYPE release(void* f) {
        ServerObject* object = self(f);
        ++object->control_->calls.releases;
        const LONG left = InterlockedDecrement(&object->references_);
        if (left == 0) delete object;
        return static_cast<ULONG>(left);
    }
    static HRESULT STDMETHODCALLTYPE getTypeInfoCount(void*, UINT* count) {
        *count = 0;
        return S_OK;
    }
    static HRESULT STDMETHODCALLTYPE getTypeInfo(void*, UINT, LCID, ITypeInfo** info) {
        *info = nullptr;
        return E_NOTIMPL;
    }
    static HRESULT STDMETHODCALLTYPE getIdsOfNames(void* f, REFIID, LPOLESTR* names, UINT count,
                                                   LCID, DISPID* ids) {
        return self(f)->getIdsOfNames(names, count, ids);
    }
    static HRESULT STDMETHODCALLTYPE invoke(void* f, DISPID id, REFIID, LCID, WORD flags,
                                            DISPPARAMS* params, VARIANT* result,
                                            EXCEPINFO* exception, UINT* badArgument) {
        return self(f)->invokeChecked(id, flags, params, result, exception, badArgument);
    }
    static HRESULT STDMETHODCALLTYPE notImplemented(void*) { return E_NOTIMPL; }
    static HRESULT STDMETHODCALLTYPE discard(void* f) {
        return self(f)->direct([&] { return self(f)->discard(); });
    }
    static HRESULT STDMETHODCALLTYPE entityAt(void* f, VARIANT index, IDispatch** entity) {
        if (!entity) return E_POINTER;
        *entity = nullptr;
        return self(f)->direct([&] { return self(f)->entityAt(index, entity); });
    }
    static HRESULT STDMETHODCALLTYPE setMarkCode(void* f, LONG code) {
        return self(f)->direct([&] { return self(f)->setMarkCode(code); });
    }
    static HRESULT STDMETHODCALLTYPE finish(void* f) {
        return self(f)->direct([&] { return self(f)->finish(); });
    }
    static HRESULT STDMETHODCALLTYPE measure(void* f, double* value) {
        if (!value) return E_POINTER;
        return self(f)->direct([&] { return self(f)->measure(value); });
    }

    static const void* const* table() {
        static const auto slots = [] {
            std::array<const void*, ServerObject::kTableSize> t{};
            t.fill(reinterpret_cast<const void*>(&notImplemented));
            t[0] = reinterpret_cast<const void*>(&queryInterface);
            t[1] = reinterpret_cast<const void*>(&addRef);
            t[2] = reinterpret_cast<const void*>(&release);
            t[3] = reinterpret_cast<const void*>(&getTypeInfoCount);
            t[4] = reinterpret_cast<const void*>(&getTypeInfo);
            t[5] = reinterpret_cast<const void*>(&getIdsOfNames);
            t[6] = reinterpret_cast<const void*>(&invoke);
            t[11] = reinterpret_cast<const void*>(&discard);
            t[20] = reinterpret_cast<const void*>(&entityAt);
            t[21] = reinterpret_cast<const void*>(&setMarkCode);
            t[41] = reinterpret_cast<const void*>(&finish);
            t[57] = reinterpret_cast<const void*>(&measure);
            return t;
        }();
        return slots.data();
    }
};

ServerObject::ServerObject(std::shared_ptr<ServerControl> control)
    : face_{Slots::table(), this}, control_(std::move(control)) {
    ++control_->objects;
}

ServerObject::~ServerObject() {
    if (--control_->objects == 0 && control_->onLastObject) control_->onLastObject();
}

IDispatch* ServerObject::share() {
    InterlockedIncrement(&references_);
    return reinterpret_cast<IDispatch*>(&face_);
}

ServerObject* ServerObject::fromInterface(IUnknown* object) {
    if (!object) return nullptr;
    auto* face = reinterpret_cast<Face*>(object);
    return face->table == Slots::table() ? face->self : nullptr;
}

bool ServerObject::answersTo(const IID&) const { return false; }

DISPID ServerObject::idOfName(const std::string&) const { return DISPID_UNKNOWN; }

bool ServerObject::rejectAsBusy() {
    if (control_->rejectNext == 0) {
        ++control_->accepted;
        return false;
    }
    --control_->rejectNext;
    ++control_->rejected;
    return true;
}

template <class Body>
HRESULT ServerObject::direct(Body&& body) {
    if (rejectAsBusy()) return control_->rejection;
    ++control_->calls.directs;
    HRESULT result = E_FAIL;
    try {
        result = body();
    } catch (const std::exception&) {
    }
    if (control_->afterCall) control_->afterCall();
    return result;
}

HRESULT ServerObject::queryInterface(const IID& iid, void** out) {
    if (!out) return E_POINTER;
    // COM asks for IUnknown, IDispatch and its own marshalling interfaces inside the server as
    // well; only the applications' interfaces are asked for by the program alone.
    if (isApplicationInterface(iid)) ++control_->calls.queries;
    if (iid == IID_IUnknown || iid == IID_IDispatch || answersTo(iid)) {
        *out = share();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

HRESULT ServerObject::getIdsOfNames(LPOLESTR* names, UINT count, DISPID* ids) {
    if (rejectAsBusy()) return control_->rejection;
    ++control_->calls.lookups;
    HRESULT result = S_OK;
    for (UINT i = 0; i < count; ++i) {
        std::string name = win::toUtf8(names[i]);
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        ids[i] = i == 0 ? idOfName(name) : DISPID_UNKNOWN;
        if (ids[i] == DISPID_UNKNOWN) result = DISP_E_UNKNOWNNAME;
    }
    return result;
}

HRESULT ServerObject::invokeChecked(DISPID id, WORD flags, DISPPARAMS* params, VARIANT* result,
                                    EXCEPINFO* exception, UINT* badArgument) {
    if (rejectAsBusy()) return control_->rejection;
    ++control_->calls.invokes;
    if (!params) return E_INVALIDARG;
    if (result) VariantInit(result);
    VARIANT ignored;
    VariantInit(&ignored);
    HRESULT answer = S_OK;
    try {
        invoke(id, Arguments(params, flags), result ? result : &ignored);
        VariantClear(&ignored);
    } catch (const ArgumentError& error) {
        if (badArgument) *badArgument = error.position;
        answer = error.result;
    } catch (const std::exception& failure) {
        fillException(exception, failure.what());
        answer = DISP_E_EXCEPTION;
    }
    if (control_->afterCall) control_->afterCall();
    return answer;
}

void ServerObject::result(const automation::Value& value, VARIANT* out) const {
    toVariant(value, out, control_);
}

void ServerObject::toVariant(const automation::Value& value, VARIANT* out,
                             const std::shared_ptr<ServerControl>& control) {
    VariantInit(out);
    const auto& storage = value.storage();
    if (const auto* i = std::get_if<std::int32_t>(&storage)) {
        out->vt = VT_I4;
        out->lVal = *i;
    } else if (const auto* d = std::get_if<double>(&storage)) {
        out->vt = VT_R8;
        out->dblVal = *d;
    } else if (const auto* s = std::get_if<std::string>(&storage)) {
        out->vt = VT_BSTR;
        out->bstrVal = ::com::Bstr(*s).release();
    } else if (const auto* b = std::get_if<bool>(&storage)) {
        out->vt = VT_BOOL;
        out->boolVal = *b ? VARIANT_TRUE : VARIANT_FALSE;
    } else if (const auto* o = std::get_if<automation::ObjectPtr>(&storage)) {
        out->vt = VT_DISPATCH;
        out->pdispVal = *o ? wrap(*o, control) : nullptr;
    } else if (value.isNull()) {
        out->vt = VT_NULL;
    }
}

}  // namespace standin::com
