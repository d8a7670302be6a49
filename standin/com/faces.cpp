#include <algorithm>
#include <tuple>
#include <vector>

#include "cad/api.h"
#include "cmm/api.h"
#include "standin/com/bound_member.h"
#include "standin/com/server_object.h"

namespace standin::com {

namespace {

constexpr bool fitsTheTable(const auto& rows) {
    return std::ranges::all_of(rows, [](const automation::Member* member) {
        return member->position < static_cast<int>(std::tuple_size_v<FunctionTable>);
    });
}
static_assert(fitsTheTable(::cmm::members::kMembers) && fitsTheTable(::cad::members::kMembers));

// In the order an object's kind is looked up: an entity of any kind is a drawing object, so
// those come last but for the plain object, which answers to nothing and has no members.
const std::vector<Face>& faces() {
    static const std::vector<Face> all = [] {
        using namespace ::cmm::members;
        using namespace ::cad::members;
        std::vector<Face> kinds;
        kinds.push_back(bound::faceOf<cmm::Application, cmm::members::ApplicationMembers>(
            {bound::answer<cmm::Application>(kApplicationInterface)}));
        kinds.push_back(bound::faceOf<cmm::Machine, cmm::members::MachineMembers>(
            {bound::answer<cmm::Machine>(kMachineInterface)}));
        kinds.push_back(bound::faceOf<cmm::PartProgram, cmm::members::PartProgramMembers>({}));
        kinds.push_back(bound::faceOf<cmm::OldBasic, cmm::members::OldBasicMembers>({}));
        kinds.push_back(bound::faceOf<cmm::CommandCollection, cmm::members::CommandsMembers>(
            {bound::answer<cmm::CommandCollection>(kCommandsInterface)}));
        kinds.push_back(bound::faceOf<cmm::Command, cmm::members::CommandMembers>(
            {bound::answer<cmm::Command>(kCommandInterface)}));
        kinds.push_back(bound::faceOf<cmm::FeatureData, cmm::members::FeatureDataMembers>(
            {bound::answer<cmm::FeatureData>(kFeatureDataInterface)}));
        kinds.push_back(bound::faceOf<cmm::PointObject, cmm::members::PointObjectMembers>(
            {bound::answer<cmm::PointObject>(kPointObjectInterface)}));
        kinds.push_back(bound::faceOf<cad::Application, cad::members::ApplicationMembers>({}));
        kinds.push_back(bound::faceOf<cad::Document, cad::members::DocumentMembers>({}));
        kinds.push_back(bound::faceOf<cad::Groups, cad::members::GroupsMembers>({}));
        kinds.push_back(bound::faceOf<cad::Group, cad::members::GroupMembers>(
            {bound::answer<cad::Group>(kGroupInterface)}));
        kinds.push_back(bound::faceOf<cad::ModelSpace, cad::members::ModelSpaceMembers>({}));
        kinds.push_back(bound::faceOf<cad::CadObject, cad::members::EntityMembers>(
            {bound::answer<cad::CadObject>(kObjectInterface),
             bound::answer<cad::Entity>(kEntityInterface),
             bound::answer<cad::Solid>(kSolidInterface),
             bound::answer<cad::Circle>(kCircleInterface),
             bound::answer<cad::Spline>(kSplineInterface)}));
        kinds.push_back(bound::faceOf<automation::Object, std::tuple<>>({}));
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

}  // namespace standin::com
