#include "com/com_object.h"

#include "com/hresult_failure.h"
#include "points/program_failure.h"

namespace com {

IUnknown* ComObject::face(const Member& member) const {
    const std::string name(member.name);
    if (!object_) throw points::ProgramFailure(name + " failed: no object");
    if (checked_.face && checked_.kind->holdsMembersOf(*member.face)) return checked_.face.get();
    const IID& iid = member.face->iid;
    for (const auto& [known, face] : asked_)
        if (known == iid) return face.get();
    ComPtr<IUnknown> face = requireInterface(object_.get(), iid, name, "the object");
    asked_.emplace_back(iid, face);
    return face.get();
}

}  // namespace com
