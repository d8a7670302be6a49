#include "com/dispatch.h"

#include <cstring>

#include "com/bstr.h"
#include "com/busy_retry.h"
#include "com/hresult_failure.h"
#include "points/program_failure.h"
#include "windows/wide_text.h"

namespace com {

namespace {

// What the server said about its exception, also when it defers filling it in.
std::string exceptionText(EXCEPINFO& info) {
    if (info.pfnDeferredFillIn) info.pfnDeferredFillIn(&info);
    std::string text;
    if (info.bstrDescription)
        text = win::toUtf8({info.bstrDescription, SysStringLen(info.bstrDescription)});
    if (info.scode != 0) {
        if (!text.empty()) text += " ";
        text.append("[").append(describeResult(info.scode)).append("]");
    }
    SysFreeString(info.bstrSource);
    SysFreeString(info.bstrDescription);
    SysFreeString(info.bstrHelpFile);
    return text;
}

}  // namespace

void Dispatch::letGo() { BusyRetry::release(link_.get(), object_); }

Variant Dispatch::call(DISPID id, const std::string& member, std::vector<Variant> args) const {
    return invoke(id, DISPATCH_METHOD | DISPATCH_PROPERTYGET, member, args);
}

Variant Dispatch::get(DISPID id, const std::string& member) const {
    std::vector<Variant> none;
    return invoke(id, DISPATCH_PROPERTYGET | DISPATCH_METHOD, member, none);
}

Variant Dispatch::callByName(const std::string& name, std::vector<Variant> args) const {
    return call(idOf(name), name, std::move(args));
}

Variant Dispatch::getByName(const std::string& name) const { return get(idOf(name), name); }

Variant Dispatch::call(const Member& member, std::vector<Variant> args, int offset) const {
    const DISPID id =
        member.reach == Reach::ByName ? idOf(std::string(member.name)) : member.id + offset;
    const std::string label = labelOf(member, id);
    if (member.access == Access::Put) {
        invoke(id, DISPATCH_PROPERTYPUT, label, args);
        return {};
    }
    return invoke(id, DISPATCH_METHOD | DISPATCH_PROPERTYGET, label, args);
}

DISPID Dispatch::idOf(const std::string& name) const {
    if (!object_) throw points::ProgramFailure(name + " failed: no object");
    if (auto known = ids_->find(name)) return *known;
    std::wstring wide = win::toWide(name);
    LPOLESTR names[] = {wide.data()};
    DISPID id = DISPID_UNKNOWN;
    const HRESULT result = BusyRetry::run(link_.get(), nullptr, [&] {
        return object_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    });
    check(result, name, "the object has no member of that name");
    ids_->remember(name, id);
    return id;
}

Variant Dispatch::invoke(DISPID id, WORD flags, const std::string& member,
                         std::vector<Variant>& args) const {
    if (!object_) throw points::ProgramFailure(member + " failed: no object");
    // Shallow copies: the Variants keep ownership, the server only reads them.
    std::vector<VARIANT> reversed(args.size());
    for (std::size_t i = 0; i < args.size(); ++i)
        std::memcpy(&reversed[args.size() - 1 - i], &args[i].get(), sizeof(VARIANT));

    DISPID namedPut = DISPID_PROPERTYPUT;
    DISPPARAMS params{};
    params.rgvarg = reversed.empty() ? nullptr : reversed.data();
    params.cArgs = static_cast<UINT>(reversed.size());
    if (flags == DISPATCH_PROPERTYPUT) {
        params.rgdispidNamedArgs = &namedPut;
        params.cNamedArgs = 1;
    }

    Variant result;
    EXCEPINFO info{};
    UINT badArgument = 0;
    const HRESULT hr = BusyRetry::run(link_.get(), object_.get(), [&] {
        std::memset(&info, 0, sizeof info);
        return object_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params,
                               flags == DISPATCH_PROPERTYPUT ? nullptr : result.receive(), &info,
                               &badArgument);
    });
    if (hr == DISP_E_EXCEPTION) {
        check(hr, member, exceptionText(info));
    } else if (hr == DISP_E_TYPEMISMATCH || hr == DISP_E_PARAMNOTFOUND) {
        // The server counts arguments in its own reversed order.
        check(hr, member, "argument " + std::to_string(args.size() - badArgument));
    }
    check(hr, member);
    return result;
}

}  // namespace com
