#pragma once

#include <tuple>
#include <type_traits>

#include "automation/member.h"
#include "cad/api.h"
#include "cmm/api.h"

// Which member function of the embedded stand-ins answers each member row, one list per kind of
// object the applications hand out. Plain C++, so that a native test holds the lists against the
// rows; the stand-ins' COM faces (standin/com/faces.cpp) are made from them.
namespace standin {

template <class Function>
struct MemberFunction;
template <class Object, class Result, class... Params>
struct MemberFunction<Result (Object::*)(Params...)> {
    using Class = Object;
    using Answer = Result;
    using Arguments = std::tuple<Params...>;
    static constexpr bool takes(const automation::Member& member) {
        return automation::takes<Params...>(member);
    }
};

// A row and the member function that answers it; its arguments must be the row's.
template <const automation::Member& row, auto function>
struct Bind {
    using Function = MemberFunction<decltype(function)>;
    static_assert(Function::takes(row), "the member function takes other arguments than the row");
    static_assert(std::is_void_v<typename Function::Answer> ==
                      (row.result == automation::Kind::None),
                  "a row with a result is answered by a function with one");
    static constexpr const automation::Member& member = row;
    static constexpr auto answer = function;
};

// What each kind of object answers; the objects are the interfaces of cmm/ and cad/.
namespace cmm_row = ::cmm::members;
namespace cad_row = ::cad::members;
using CmmApplicationMembers =
    std::tuple<Bind<cmm_row::kMachine, &cmm::Application::machine>,
               Bind<cmm_row::kPartProgram, &cmm::Application::partProgram>>;
using CmmMachineMembers = std::tuple<Bind<cmm_row::kMachineName, &cmm::Machine::name>>;
using CmmPartProgramMembers = std::tuple<Bind<cmm_row::kOldBasic, &cmm::PartProgram::oldBasic>,
                                         Bind<cmm_row::kCommands, &cmm::PartProgram::commands>>;
using CmmOldBasicMembers =
    std::tuple<Bind<cmm_row::kGetProbeRadius, &cmm::OldBasic::getProbeRadius>>;
using CmmCommandsMembers =
    std::tuple<Bind<cmm_row::kCount, &cmm::CommandCollection::count>,
               Bind<cmm_row::kItem, &cmm::CommandCollection::item>,
               Bind<cmm_row::kCommandById, &cmm::CommandCollection::commandById>>;
using CmmCommandMembers = std::tuple<Bind<cmm_row::kId, &cmm::Command::id>,
                                     Bind<cmm_row::kCommandValue, &cmm::Command::value>,
                                     Bind<cmm_row::kFeatureData, &cmm::Command::featureData>>;
using CmmFeatureDataMembers =
    std::tuple<Bind<cmm_row::kPointCount, &cmm::FeatureData::pointCount>,
               Bind<cmm_row::kFeaturePoint, &cmm::FeatureData::featurePoint>>;
using CmmPointObjectMembers =
    std::tuple<Bind<cmm_row::kReadCoordinate, &cmm::PointObject::coordinate>,
               Bind<cmm_row::kWriteCoordinate, &cmm::PointObject::setCoordinate>>;

using CadApplicationMembers =
    std::tuple<Bind<cad_row::kVisible, &cad::Application::setVisible>,
               Bind<cad_row::kActiveDocument, &cad::Application::activeDocument>>;
using CadDocumentMembers = std::tuple<Bind<cad_row::kModelSpace, &cad::Document::modelSpace>,
                                      Bind<cad_row::kGroups, &cad::Document::groups>>;
using CadGroupsMembers = std::tuple<Bind<cad_row::kGroupsItem, &cad::Groups::item>>;
using CadGroupMembers = std::tuple<Bind<cad_row::kEntityAt, &cad::Group::entityAt>>;
using CadModelSpaceMembers = std::tuple<Bind<cad_row::kAddSphere, &cad::ModelSpace::addSphere>,
                                        Bind<cad_row::kAddCircle, &cad::ModelSpace::addCircle>,
                                        Bind<cad_row::kAddSpline, &cad::ModelSpace::addSpline>>;
// Every drawing object: which members it holds follows its kind.
using CadEntityMembers =
    std::tuple<Bind<cad_row::kDiscard, &cad::CadObject::discard>,
               Bind<cad_row::kMarkCode, &cad::Entity::setMarkCode>,
               Bind<cad_row::kFinish, &cad::Entity::finish>,
               Bind<cad_row::kCheckInterference, &cad::Entity::checkInterference>,
               Bind<cad_row::kMeasure, &cad::Solid::measure>>;

// Every binding, for the check that each row is answered once.
using AllMembers = decltype(std::tuple_cat(
    CmmApplicationMembers{}, CmmMachineMembers{}, CmmPartProgramMembers{}, CmmOldBasicMembers{},
    CmmCommandsMembers{}, CmmCommandMembers{}, CmmFeatureDataMembers{}, CmmPointObjectMembers{},
    CadApplicationMembers{}, CadDocumentMembers{}, CadGroupsMembers{}, CadGroupMembers{},
    CadModelSpaceMembers{}, CadEntityMembers{}));

}  // namespace standin
