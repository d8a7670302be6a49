#include <algorithm>
#include <tuple>
#include <utility>
#include <vector>

#include "standin/com/bound_member.h"
#include "standin/com/control_object.h"
#include "standin/com/server_object.h"

namespace standin::com {

namespace {

constexpr bool fitsTheTable(const auto& rows) {
    return std::ranges::all_of(rows, [](const automation::Member* member) {
        return member->position < static_cast<int>(std::tuple_size_v<FunctionTable>);
    });
}
static_assert(fitsTheTable(::cmm::members::kMembers) && fitsTheTable(::cad::members::kMembers));

template <class Class>
Answer answer(const automation::Interface& face) {
    return {&face, &holds<Class>};
}

// The face of the objects of interface `Kind`, answering the rows of `Members`.
template <class Kind, class Members>
Face faceOf(std::vector<Answer> answers) {
    Face face{&holds<Kind>, std::move(answers), bound::members<Members>(), {}};
    std::vector<std::pair<const automation::Member*, const void*>> slots;
    for (const BoundMember& member : face.members)
        if (member.slot) slots.emplace_back(member.member, member.slot);
    face.table = ServerObject::functionTable(slots);
    return face;
}

// In the order an object's kind is looked up: an entity of any kind is a drawing object, so
// those come last but for the plain object, which answers to nothing and has no members.
const std::vector<Face>& faces() {
    static const std::vector<Face> all = [] {
        using namespace ::cmm::members;
        using namespace ::cad::members;
        std::vector<Face> kinds;
        kinds.push_back(faceOf<cmm::Application, CmmApplicationMembers>(
            {answer<cmm::Application>(kApplicationInterface)}));
        kinds.push_back(
            faceOf<cmm::Machine, CmmMachineMembers>({answer<cmm::Machine>(kMachineInterface)}));
        kinds.push_back(faceOf<cmm::PartProgram, CmmPartProgramMembers>({}));
        kinds.push_back(faceOf<cmm::OldBasic, CmmOldBasicMembers>({}));
        kinds.push_back(faceOf<cmm::CommandCollection, CmmCommandsMembers>(
            {answer<cmm::CommandCollection>(kCommandsInterface)}));
        kinds.push_back(
            faceOf<cmm::Command, CmmCommandMembers>({answer<cmm::Command>(kCommandInterface)}));
        kinds.push_back(faceOf<cmm::FeatureData, CmmFeatureDataMembers>(
            {answer<cmm::FeatureData>(kFeatureDataInterface)}));
        kinds.push_back(faceOf<cmm::PointObject, CmmPointObjectMembers>(
            {answer<cmm::PointObject>(kPointObjectInterface)}));
        kinds.push_back(faceOf<cad::Application, CadApplicationMembers>({}));
        kinds.push_back(faceOf<cad::Document, CadDocumentMembers>({}));
        kinds.push_back(faceOf<cad::Groups, CadGroupsMembers>({}));
        kinds.push_back(faceOf<cad::Group, CadGroupMembers>({answer<cad::Group>(kGroupInterface)}));
        kinds.push_back(faceOf<cad::ModelSpace, CadModelSpaceMembers>({}));
        kinds.push_back(faceOf<cad::CadObject, CadEntityMembers>(
            {answer<cad::CadObject>(kObjectInterface), answer<cad::Entity>(kEntityInterface),
             answer<cad::Solid>(kSolidInterface), answer<cad::Circle>(kCircleInterface),
             answer<cad::Spline>(kSplineInterface)}));
        kinds.push_back(faceOf<automation::Object, std::tuple<>>({}));
        return kinds;
    }();
    return all;
}

}  // namespace

IDispatch* ServerObject::wrap(const automation::ObjectPtr& object,
                              const std::shared_ptr<ServerControl>& control) {
    const auto& all = faces();
    const auto face = std::ranges::find_if(all, [&](const Face& f) { return f.is(*object); });
    return (new ServerObject(object, *face, control))->share();
}

IDispatch* makeControlObject(ControlTarget target) {
    static const Face controls =
        faceOf<Controls, ControlMembers>({answer<Controls>(control_members::kInterface)});
    return (new ServerObject(std::make_shared<Controls>(std::move(target)), controls,
                             std::make_shared<ServerControl>()))
        ->share();
}

}  // namespace standin::com
