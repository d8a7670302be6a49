#include "com/com_object.h"

#include "com/hresult_failure.h"
#include "com/interface_ids.h"
#include "points/program_failure.h"

namespace com {

IUnknown* ComObject::face(const IID& iid, const std::string& member) const {
    if (!object_) throw points::ProgramFailure(member + " failed: no object");
    if (checked_.face && ids::holdsMembersOf(*checked_.iid, iid)) return checked_.face.get();
    for (const auto& [known, face] : asked_)
        if (known == iid) return face.get();
    ComPtr<IUnknown> face = ComPtr<IUnknown>::share(object_.get()).query<IUnknown>(iid);
    if (!face)
        throw points::ProgramFailure(member + " failed: the object does not answer to interface " +
                                     guidText(iid));
    asked_.emplace_back(iid, face);
    return face.get();
}

}  // namespace com
