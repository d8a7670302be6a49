#include "standin/com/server_objects.h"

namespace standin::com {

IDispatch* ServerObject::wrap(const automation::ObjectPtr& object, const Control& control) {
    using std::dynamic_pointer_cast;
    if (auto o = dynamic_pointer_cast<cmm::Application>(object))
        return makeCmmApplication(o, control);
    if (auto o = dynamic_pointer_cast<cmm::Machine>(object)) return makeCmmMachine(o, control);
    if (auto o = dynamic_pointer_cast<cmm::PartProgram>(object))
        return makeCmmPartProgram(o, control);
    if (auto o = dynamic_pointer_cast<cmm::OldBasic>(object)) return makeCmmOldBasic(o, control);
    if (auto o = dynamic_pointer_cast<cmm::CommandCollection>(object))
        return makeCmmCommands(o, control);
    if (auto o = dynamic_pointer_cast<cmm::Command>(object)) return makeCmmCommand(o, control);
    if (auto o = dynamic_pointer_cast<cmm::FeatureData>(object))
        return makeCmmFeatureData(o, control);
    if (auto o = dynamic_pointer_cast<cmm::PointObject>(object))
        return makeCmmPointObject(o, control);
    if (auto o = dynamic_pointer_cast<cad::Application>(object))
        return makeCadApplication(o, control);
    if (auto o = dynamic_pointer_cast<cad::Document>(object)) return makeCadDocument(o, control);
    if (auto o = dynamic_pointer_cast<cad::Groups>(object)) return makeCadGroups(o, control);
    if (auto o = dynamic_pointer_cast<cad::Group>(object)) return makeCadGroup(o, control);
    if (auto o = dynamic_pointer_cast<cad::ModelSpace>(object))
        return makeCadModelSpace(o, control);
    if (auto o = dynamic_pointer_cast<cad::CadObject>(object)) return makeCadEntity(o, control);
    return makePlainObject(object, control);
}

}  // namespace standin::com
