#include "standin/com/face_object.h"

#include "com/members.h"
#include "standin/com/argument_error.h"

namespace standin::com {

namespace {

constexpr DISPID kFirstNamedId = 1000;  // beyond every identifier the applications' rows give

// How many consecutive identifiers a row answers to: one a coordinate axis for an axis row.
int spanOf(const automation::Member& member) {
    return member.args[0] == automation::Kind::Axis ? 3 : 1;
}

}  // namespace

FaceObject::FaceObject(automation::ObjectPtr object, const Face& face,
                       std::shared_ptr<ServerControl> control)
    : ServerObject(std::move(control), face.table), object_(std::move(object)), face_(face) {}

bool FaceObject::answersTo(const IID& iid) const {
    for (const Answer& answer : face_.answers)
        if (::com::iidOf(*answer.face) == iid && answer.holds(*object_)) return true;
    return false;
}

DISPID FaceObject::idOf(std::size_t index) const {
    const automation::Member& member = *face_.members[index].member;
    return member.id != DISPID_UNKNOWN ? member.id : kFirstNamedId + static_cast<DISPID>(index);
}

DISPID FaceObject::idOfName(const std::string& lowerName) const {
    for (std::size_t i = 0; i < face_.members.size(); ++i) {
        const BoundMember& bound = face_.members[i];
        if (bound.member->reach == automation::Reach::ByName && bound.holds(*object_) &&
            isNamed(lowerName, *bound.member))
            return idOf(i);
    }
    return DISPID_UNKNOWN;
}

const BoundMember* FaceObject::find(DISPID id, bool put, int& offset) const {
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

void FaceObject::invoke(DISPID id, const Arguments& args, VARIANT* out) {
    int offset = 0;
    const BoundMember* bound = find(id, args.isPut(), offset);
    if (!bound || !bound->holds(*object_)) throw ArgumentError{DISP_E_MEMBERNOTFOUND, 0};
    bound->invoke(*this, *object_, args, offset, out);
}

}  // namespace standin::com
