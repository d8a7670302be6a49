#pragma once

#include <cstdint>
#include <string>
#include <tuple>

#include "automation/member.h"
#include "automation/value.h"

// The measurement application's interfaces and the members the program calls, in the order of
// the calls of one press.
namespace cmm::members {

using automation::Access;
using automation::Bind;
using automation::Interface;
using automation::Kind;
using automation::Member;
using automation::Reach;

inline constexpr automation::OutsideApplication kApplication{"PC-DMIS", "pcdlrn.application"};
inline constexpr const char* kProgId = kApplication.progId;

inline constexpr Interface kApplicationInterface{
    "ICmmApplication",
    {0xF8513E11, 0xEAC0, 0x11D1, {0x94, 0xC3, 0x00, 0x60, 0x08, 0x40, 0x43, 0xB5}}};
inline constexpr Interface kMachineInterface{
    "ICmmMachine", {0x72555404, 0xEC03, 0x11D1, {0x94, 0xC4, 0x00, 0x60, 0x08, 0x40, 0x43, 0xB5}}};
inline constexpr Interface kCommandsInterface{
    "ICmmCommands", {0xFCCF1AE8, 0xFA24, 0x11D1, {0x94, 0xDC, 0x00, 0x60, 0x08, 0x40, 0x43, 0xB5}}};
inline constexpr Interface kCommandInterface{
    "ICmmCommand", {0xFCCF1AEB, 0xFA24, 0x11D1, {0x94, 0xDC, 0x00, 0x60, 0x08, 0x40, 0x43, 0xB5}}};
inline constexpr Interface kFeatureDataInterface{
    "ICmmFeatureData",
    {0xEB3ECBD7, 0x0B76, 0x11D2, {0x94, 0xF0, 0x00, 0x60, 0x08, 0x40, 0x43, 0xB5}}};
inline constexpr Interface kPointObjectInterface{
    "ICmmPointObject",
    {0x76C94BB1, 0xF70F, 0x11D1, {0x94, 0xD7, 0x00, 0x60, 0x08, 0x40, 0x43, 0xB5}}};

inline constexpr std::array kInterfaces{&kApplicationInterface, &kMachineInterface,
                                        &kCommandsInterface,    &kCommandInterface,
                                        &kFeatureDataInterface, &kPointObjectInterface};

// The application, created from its ProgID, and its machine.
inline constexpr Member kCreate{.name = "Create",
                                .reach = Reach::Connect,
                                .result = Kind::Object,
                                .resultFace = &kApplicationInterface};
inline constexpr Member kMachine{.name = "Machine",
                                 .reach = Reach::ById,
                                 .face = &kApplicationInterface,
                                 .id = 16,
                                 .args = {Kind::Int16},
                                 .result = Kind::Object,
                                 .resultFace = &kMachineInterface,
                                 .label = "machine"};
inline constexpr Member kMachineName{.name = "MachineName",
                                     .reach = Reach::ById,
                                     .access = Access::Get,
                                     .face = &kMachineInterface,
                                     .id = 1,
                                     .result = Kind::Value,
                                     .label = "machine name"};
// The part program and its OldBasic have no interface the program knows.
inline constexpr Member kPartProgram{.name = "PartProgram",
                                     .reach = Reach::ById,
                                     .access = Access::Get,
                                     .face = &kApplicationInterface,
                                     .id = 2,
                                     .result = Kind::Object,
                                     .label = "part program"};
inline constexpr Member kOldBasic{
    .name = "OldBasic", .access = Access::Get, .result = Kind::Object};
inline constexpr Member kGetProbeRadius{.name = "GetProbeRadius", .result = Kind::Value};
inline constexpr Member kCommands{.name = "Commands",
                                  .access = Access::Get,
                                  .result = Kind::Object,
                                  .resultFace = &kCommandsInterface};
// The command collection.
inline constexpr Member kCount{
    .name = "count", .access = Access::Get, .face = &kCommandsInterface, .result = Kind::Value};
// The position goes by reference, as the application's signature has it.
inline constexpr Member kItem{.name = "Item",
                              .face = &kCommandsInterface,
                              .args = {Kind::Int16Ref},
                              .result = Kind::Object,
                              .resultFace = &kCommandInterface};
// A command.
inline constexpr Member kId{
    .name = "ID", .access = Access::Get, .face = &kCommandInterface, .result = Kind::Value};
inline constexpr Member kCommandById{.name = "CommandById",
                                     .reach = Reach::ById,
                                     .face = &kCommandsInterface,
                                     .id = 9,
                                     .args = {Kind::Text},
                                     .result = Kind::Object,
                                     .resultFace = &kCommandInterface,
                                     .label = "command by ID"};
inline constexpr Member kCommandValue{.name = "CommandValue",
                                      .reach = Reach::ById,
                                      .access = Access::Get,
                                      .face = &kCommandInterface,
                                      .id = automation::kDefaultId,
                                      .result = Kind::Value,
                                      .label = "command value"};
inline constexpr Member kFeatureData{.name = "FeatureData",
                                     .reach = Reach::ById,
                                     .access = Access::Get,
                                     .face = &kCommandInterface,
                                     .id = 9,
                                     .result = Kind::Object,
                                     .resultFace = &kFeatureDataInterface,
                                     .label = "feature data"};
// A command's feature data.
inline constexpr Member kPointCount{.name = "PointCount",
                                    .reach = Reach::ById,
                                    .access = Access::Get,
                                    .face = &kFeatureDataInterface,
                                    .id = 2,
                                    .result = Kind::Value,
                                    .label = "point count"};
// The program passes (j, 12, 3, 13, "", 0).
inline constexpr Member kFeaturePoint{
    .name = "FeaturePoint",
    .reach = Reach::ById,
    .face = &kFeatureDataInterface,
    .id = 65,
    .args = {Kind::Int32, Kind::Int32, Kind::Int32, Kind::Int32, Kind::Text, Kind::Int32},
    .result = Kind::Object,
    .resultFace = &kPointObjectInterface,
    .label = "feature point"};
// A point object: members 1, 2 and 3 are X, Y and Z, read and written.
inline constexpr Member kReadCoordinate{.name = "ReadCoordinate",
                                        .reach = Reach::ById,
                                        .access = Access::Get,
                                        .face = &kPointObjectInterface,
                                        .id = 1,
                                        .args = {Kind::Axis},
                                        .result = Kind::Value,
                                        .label = "point coordinate"};
inline constexpr Member kWriteCoordinate{.name = "WriteCoordinate",
                                         .reach = Reach::ById,
                                         .access = Access::Put,
                                         .face = &kPointObjectInterface,
                                         .id = 1,
                                         .args = {Kind::Axis, Kind::Real},
                                         .label = "point coordinate"};

}  // namespace cmm::members

// What the program asks of the measurement application, each function by the row named beside
// it. Every result arrives as an automation value; the program converts it (automation::toText,
// toObject, ...) where it relies on a kind. Each call throws points::ProgramFailure when the
// application refuses it.
namespace cmm {

using automation::Value;

// Member numbers of the point object's coordinates.
enum class Axis { X = 1, Y = 2, Z = 3 };

class PointObject : public automation::Object {
  public:
    virtual Value coordinate(Axis axis) = 0;                  // kReadCoordinate
    virtual void setCoordinate(Axis axis, double value) = 0;  // kWriteCoordinate
};

class FeatureData : public automation::Object {
  public:
    virtual Value pointCount() = 0;  // kPointCount
    virtual Value featurePoint(std::int32_t number, std::int32_t a, std::int32_t b, std::int32_t c,
                               const std::string& text, std::int32_t d) = 0;  // kFeaturePoint
};

class Command : public automation::Object {
  public:
    virtual Value id() = 0;           // kId
    virtual Value value() = 0;        // kCommandValue
    virtual Value featureData() = 0;  // kFeatureData
};

class CommandCollection : public automation::Object {
  public:
    virtual Value count() = 0;                             // kCount
    virtual Value item(std::int16_t& position) = 0;        // kItem
    virtual Value commandById(const std::string& id) = 0;  // kCommandById
};

class OldBasic : public automation::Object {
  public:
    virtual Value getProbeRadius() = 0;  // kGetProbeRadius
};

class PartProgram : public automation::Object {
  public:
    virtual Value oldBasic() = 0;  // kOldBasic
    virtual Value commands() = 0;  // kCommands
};

class Machine : public automation::Object {
  public:
    virtual Value name() = 0;  // kMachineName
};

class Application : public automation::Object {
  public:
    virtual Value machine(std::int16_t number) = 0;  // kMachine
    virtual Value partProgram() = 0;                 // kPartProgram
};

// Which function of the interfaces above answers each row, one list per kind of object the
// application hands out: the stand-ins answer by these lists.
namespace members {

using ApplicationMembers = std::tuple<Bind<kMachine, &Application::machine>,
                                      Bind<kPartProgram, &Application::partProgram>>;
using MachineMembers = std::tuple<Bind<kMachineName, &Machine::name>>;
using PartProgramMembers =
    std::tuple<Bind<kOldBasic, &PartProgram::oldBasic>, Bind<kCommands, &PartProgram::commands>>;
using OldBasicMembers = std::tuple<Bind<kGetProbeRadius, &OldBasic::getProbeRadius>>;
using CommandsMembers =
    std::tuple<Bind<kCount, &CommandCollection::count>, Bind<kItem, &CommandCollection::item>,
               Bind<kCommandById, &CommandCollection::commandById>>;
using CommandMembers = std::tuple<Bind<kId, &Command::id>, Bind<kCommandValue, &Command::value>,
                                  Bind<kFeatureData, &Command::featureData>>;
using FeatureDataMembers = std::tuple<Bind<kPointCount, &FeatureData::pointCount>,
                                      Bind<kFeaturePoint, &FeatureData::featurePoint>>;
using PointObjectMembers = std::tuple<Bind<kReadCoordinate, &PointObject::coordinate>,
                                      Bind<kWriteCoordinate, &PointObject::setCoordinate>>;

// Every row: the application, created from its ProgID, then what its objects answer.
inline constexpr auto kMembers = automation::joined(
    std::array{&kCreate}, automation::rowsOf(ApplicationMembers{}),
    automation::rowsOf(MachineMembers{}), automation::rowsOf(PartProgramMembers{}),
    automation::rowsOf(OldBasicMembers{}), automation::rowsOf(CommandsMembers{}),
    automation::rowsOf(CommandMembers{}), automation::rowsOf(FeatureDataMembers{}),
    automation::rowsOf(PointObjectMembers{}));

}  // namespace members

// Creates the application from its ProgID (kCreate).
class Connector {
  public:
    virtual ~Connector() = default;
    virtual Value create() = 0;
};

}  // namespace cmm
