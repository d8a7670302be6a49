#include "standin/com/server_object.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>

#include "cad/api.h"
#include "cmm/api.h"
#include "com/bstr.h"
#include "com/members.h"
#include "points/program_failure.h"
#include "windows/wide_text.h"

namespace standin::com {

namespace {

bool isApplicationInterface(const IID& iid) {
    auto among = [&](const auto& interfaces) {
        return std::any_of(interfaces.begin(), interfaces.end(),
                           [&](const auto* known) { return ::com::iidOf(*known) == iid; });
    };
    return among(::cmm::members::kInterfaces) || among(::cad::members::kInterfaces);
}

void fillException(EXCEPINFO* exception, const std::string& description) {
    if (!exception) return;
    std::memset(exception, 0, sizeof *exception);
    exception->scode = E_FAIL;
    exception->bstrSource = ::com::Bstr("stand-in").release();
    exception->bstrDescription = ::com::Bstr(description).release();
}

constexpr DISPID kFirstNamedId = 1000;  // beyond every identifier the applications' rows give

// How many consecutive identifiers a row answers to: one a coordinate axis for an axis row.
int spanOf(const automation::Member& member) {
    return member.args[0] == automation::Kind::Axis ? 3 : 1;
}

// Whether `member` is called `lowerName`, whatever the case of its name in its row.
bool isNamed(const std::string& lowerName, const automation::Member& member) {
    return std::equal(
        lowerName.begin(), lowerName.end(), member.name.begin(), member.name.end(),
        [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

}  // namespace

// The function table: each slot forwards to the object behind the face.
struct Slots {
    using Pointee = ServerObject::Pointee;
    static ServerObject* self(void* face) { return static_cast<Pointee*>(face)->self; }

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
};

FunctionTable ServerObject::functionTable(
    const std::vector<std::pair<const automation::Member*, const void*>>& directMembers) {
    FunctionTable table{};
    table.fill(reinterpret_cast<const void*>(&Slots::notImplemented));
    table[0] = reinterpret_cast<const void*>(&Slots::queryInterface);
    table[1] = reinterpret_cast<const void*>(&Slots::addRef);
    table[2] = reinterpret_cast<const void*>(&Slots::release);
    table[3] = reinterpret_cast<const void*>(&Slots::getTypeInfoCount);
    table[4] = reinterpret_cast<const void*>(&Slots::getTypeInfo);
    table[5] = reinterpret_cast<const void*>(&Slots::getIdsOfNames);
    table[6] = reinterpret_cast<const void*>(&Slots::invoke);
    for (const auto& [member, slot] : directMembers) table.at(member->position) = slot;
    return table;
}

ServerObject::ServerObject(automation::ObjectPtr object, const Face& face,
                           std::shared_ptr<ServerControl> control)
    : pointee_{face.table.data(), this},
      object_(std::move(object)),
      face_(face),
      control_(std::move(control)) {
    ++control_->objects;
}

ServerObject::~ServerObject() {
    if (--control_->objects == 0 && control_->onLastObject) control_->onLastObject();
}

IDispatch* ServerObject::share() {
    InterlockedIncrement(&references_);
    return reinterpret_cast<IDispatch*>(&pointee_);
}

ServerObject* ServerObject::fromInterface(IUnknown* object) {
    if (!object) return nullptr;
    // Every table of a stand-in object starts with the same QueryInterface; any interface's
    // table has one at its start to compare.
    auto* pointee = reinterpret_cast<Pointee*>(object);
    const auto queryInterface = reinterpret_cast<const void*>(&Slots::queryInterface);
    return pointee->table[0] == queryInterface ? pointee->self : nullptr;
}

bool ServerObject::answersTo(const IID& iid) const {
    for (const Answer& answer : face_.answers)
        if (::com::iidOf(*answer.face) == iid && answer.holds(*object_)) return true;
    return false;
}

DISPID ServerObject::idOf(std::size_t index) const {
    const automation::Member& member = *face_.members[index].member;
    return member.id != DISPID_UNKNOWN ? member.id : kFirstNamedId + static_cast<DISPID>(index);
}

DISPID ServerObject::idOfName(const std::string& lowerName) const {
    for (std::size_t i = 0; i < face_.members.size(); ++i) {
        const BoundMember& bound = face_.members[i];
        if (bound.member->reach == automation::Reach::ByName && bound.holds(*object_) &&
            isNamed(lowerName, *bound.member))
            return idOf(i);
    }
    return DISPID_UNKNOWN;
}

const BoundMember* ServerObject::find(DISPID id, bool put, int& offset) const {
    const BoundMember* found = nullptr;
    for (std::size_t i = 0; i < face_.members.size(); ++i) {
        const BoundMember& bound = face_.members[i];
        if (!bound.invoke || id < idOf(i) || id >= idOf(i) + spanOf(*bound.member)) continue;
        if (!found || (bound.member->access == automation::Access::Put) == put) {
            found = &bound;
            offset = static_cast<int>(id - idOf(i));
        }
    }
    return found;
}

bool ServerObject::rejectAsBusy() {
    if (control_->rejectNext == 0) {
        ++control_->accepted;
        return false;
    }
    --control_->rejectNext;
    ++control_->rejected;
    return true;
}

void ServerObject::holdIfAsked() {
    if (control_->holdNext == 0) return;
    --control_->holdNext;
    control_->held = true;
    // The server's own message loop, nested: the test's call that lets go arrives through it.
    MSG message;
    while (control_->held) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    control_->held = false;
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
    holdIfAsked();
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
    holdIfAsked();
    ++control_->calls.invokes;
    if (!params) return E_INVALIDARG;
    if (result) VariantInit(result);
    VARIANT ignored;
    VariantInit(&ignored);
    HRESULT answer = S_OK;
    try {
        const Arguments args(params, flags);
        int offset = 0;
        const BoundMember* bound = find(id, args.isPut(), offset);
        if (!bound || !bound->holds(*object_)) throw ArgumentError{DISP_E_MEMBERNOTFOUND, 0};
        bound->invoke(*this, *object_, args, offset, result ? result : &ignored);
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
