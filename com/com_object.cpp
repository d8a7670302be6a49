#include "com/com_object.h"

#include "com/busy_retry.h"
#include "com/failure_cause.h"
#include "com/hresult_failure.h"
#include "points/program_failure.h"

namespace com {

ComObject::~ComObject() {
    for (auto& [iid, face] : asked_) BusyRetry::release(link().get(), face);
    BusyRetry::release(link().get(), checked_);
    object_.letGo();
}

void ComObject::checkAs(const Interface& kind, const std::string& member) {
    checked_ = query(iidOf(kind), member, "the result");
    kind_ = &kind;
}

IUnknown* ComObject::face(const Member& member) const {
    const std::string name(member.name);
    if (!object_) throw points::ProgramFailure(name + " failed: no object");
    if (checked_ && kind_->holdsMembersOf(*member.face)) return checked_.get();
    const IID iid = iidOf(*member.face);
    for (const auto& [known, face] : asked_)
        if (known == iid) return face.get();
    asked_.emplace_back(iid, query(iid, name, "the object"));
    return asked_.back().second.get();
}

// A proxy asks its application for any interface it does not know yet.
ComPtr<IUnknown> ComObject::query(const IID& iid, const std::string& member,
                                  const std::string& whose) const {
    ComPtr<IUnknown> face;
    const HRESULT answer = BusyRetry::run(link().get(), nullptr, [&] {
        return object_.get()->QueryInterface(iid, face.receiveVoid());
    });
    if (SUCCEEDED(answer) && face) return face;
    if (answer == RPC_E_CALL_CANCELED) check(answer, member);  // not asked at all
    fail(FAILED(answer) ? answer : E_NOINTERFACE, member,
         whose + " does not answer to interface " + guidText(iid), interfaceHint(iid));
}

}  // namespace com
