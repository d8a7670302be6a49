#pragma once

#include <memory>

#include "cad/api.h"
#include "cmm/api.h"
#include "standin/com/server_object.h"

// Makers of the server objects, one for each kind of object the applications hand out; each
// returns the object's interface with one reference for the caller.
namespace standin::com {

using Control = std::shared_ptr<ServerControl>;

IDispatch* makeCmmApplication(std::shared_ptr<cmm::Application>, const Control&);
IDispatch* makeCmmMachine(std::shared_ptr<cmm::Machine>, const Control&);
IDispatch* makeCmmPartProgram(std::shared_ptr<cmm::PartProgram>, const Control&);
IDispatch* makeCmmOldBasic(std::shared_ptr<cmm::OldBasic>, const Control&);
IDispatch* makeCmmCommands(std::shared_ptr<cmm::CommandCollection>, const Control&);
IDispatch* makeCmmCommand(std::shared_ptr<cmm::Command>, const Control&);
IDispatch* makeCmmFeatureData(std::shared_ptr<cmm::FeatureData>, const Control&);
IDispatch* makeCmmPointObject(std::shared_ptr<cmm::PointObject>, const Control&);

IDispatch* makeCadApplication(std::shared_ptr<cad::Application>, const Control&);
IDispatch* makeCadDocument(std::shared_ptr<cad::Document>, const Control&);
IDispatch* makeCadGroups(std::shared_ptr<cad::Groups>, const Control&);
IDispatch* makeCadGroup(std::shared_ptr<cad::Group>, const Control&);
IDispatch* makeCadModelSpace(std::shared_ptr<cad::ModelSpace>, const Control&);
IDispatch* makeCadEntity(std::shared_ptr<cad::CadObject>, const Control&);

// Any other object: it answers to nothing but IUnknown and IDispatch, and has no members.
IDispatch* makePlainObject(automation::ObjectPtr, const Control&);

}  // namespace standin::com
