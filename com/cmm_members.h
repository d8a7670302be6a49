#pragma once

#include <array>

#include "cmm/api.h"
#include "com/member_table.h"
#include "com/outside_application.h"

// The measurement application's interfaces and the members the program calls on them.
namespace com::cmm_members {

inline constexpr const char* kProgId = "pcdlrn.application";
inline constexpr OutsideApplication kApplication{"PC-DMIS", kProgId};

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

// The application.
inline constexpr Member kMachine{"machine", Reach::ById, &kApplicationInterface, 16};
inline constexpr Member kPartProgram{"part program", Reach::ById, &kApplicationInterface, 2};
// A machine.
inline constexpr Member kMachineName{"machine name", Reach::ById, &kMachineInterface, 1};
// The part program and its OldBasic have no interface the program knows.
inline constexpr Member kOldBasic{"OldBasic", Reach::ByName, nullptr, 10};
inline constexpr Member kCommands{"Commands", Reach::ByName, nullptr, 11};
inline constexpr Member kGetProbeRadius{"GetProbeRadius", Reach::ByName, nullptr, 1};
// The command collection.
inline constexpr Member kCount{"count", Reach::ByName, &kCommandsInterface, 1};
inline constexpr Member kItem{"Item", Reach::ByName, &kCommandsInterface, 2};
inline constexpr Member kCommandById{"command by ID", Reach::ById, &kCommandsInterface, 9};
// A command.
inline constexpr Member kCommandValue{"command value", Reach::ById, &kCommandInterface,
                                      DISPID_VALUE};
inline constexpr Member kId{"ID", Reach::ByName, &kCommandInterface, 1};
inline constexpr Member kFeatureData{"feature data", Reach::ById, &kCommandInterface, 9};
// A command's feature data.
inline constexpr Member kPointCount{"point count", Reach::ById, &kFeatureDataInterface, 2};
inline constexpr Member kFeaturePoint{"feature point", Reach::ById, &kFeatureDataInterface, 65};
// A point object: one member per axis, read and written.
inline constexpr Member kX{"point coordinate", Reach::ById, &kPointObjectInterface, 1};
inline constexpr Member kY{"point coordinate", Reach::ById, &kPointObjectInterface, 2};
inline constexpr Member kZ{"point coordinate", Reach::ById, &kPointObjectInterface, 3};

constexpr const Member& coordinate(cmm::Axis axis) {
    switch (axis) {
        case cmm::Axis::X:
            return kX;
        case cmm::Axis::Y:
            return kY;
        case cmm::Axis::Z:
            break;
    }
    return kZ;
}

inline constexpr auto kMembers = std::to_array<const Member*>(
    {&kMachine, &kPartProgram, &kMachineName, &kOldBasic, &kCommands, &kGetProbeRadius, &kCount,
     &kItem, &kCommandById, &kCommandValue, &kId, &kFeatureData, &kPointCount, &kFeaturePoint, &kX,
     &kY, &kZ});

}  // namespace com::cmm_members
