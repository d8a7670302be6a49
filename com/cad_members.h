#pragma once

#include <array>

#include "com/member_table.h"
#include "com/outside_application.h"

// The CAD application's interfaces and the members the program calls on them.
namespace com::cad_members {

inline constexpr const char* kProgId = "AutoCAD.Application.15";
inline constexpr OutsideApplication kApplication{"AutoCAD", kProgId};

inline constexpr Interface kObjectInterface{
    "ICadObject", {0x5B57EEA0, 0xCA9A, 0x11D1, {0xB6, 0x0F, 0x00, 0x60, 0xB0, 0x87, 0xE2, 0x35}}};
inline constexpr Interface kEntityInterface{
    "ICadEntity",
    {0x5B57EEA2, 0xCA9A, 0x11D1, {0xB6, 0x0F, 0x00, 0x60, 0xB0, 0x87, 0xE2, 0x35}},
    &kObjectInterface};
inline constexpr Interface kSolidInterface{
    "ICadSolid",
    {0x2928D49A, 0xCA93, 0x11D1, {0xB6, 0x0F, 0x00, 0x60, 0xB0, 0x87, 0xE2, 0x35}},
    &kEntityInterface};
inline constexpr Interface kCircleInterface{
    "ICadCircle",
    {0x2928D4A4, 0xCA93, 0x11D1, {0xB6, 0x0F, 0x00, 0x60, 0xB0, 0x87, 0xE2, 0x35}},
    &kEntityInterface};
inline constexpr Interface kSplineInterface{
    "ICadSpline",
    {0x2928D4CD, 0xCA93, 0x11D1, {0xB6, 0x0F, 0x00, 0x60, 0xB0, 0x87, 0xE2, 0x35}},
    &kEntityInterface};
inline constexpr Interface kGroupInterface{
    "ICadGroup", {0xB49978B6, 0xF971, 0x11D1, {0xA2, 0xC8, 0x08, 0x00, 0x09, 0xDC, 0x63, 0x9A}}};

inline constexpr std::array kInterfaces{&kObjectInterface, &kEntityInterface, &kSolidInterface,
                                        &kCircleInterface, &kSplineInterface, &kGroupInterface};

// The application and its active document.
inline constexpr Member kVisible{"Visible", Reach::ByName, nullptr, 1};
inline constexpr Member kActiveDocument{"ActiveDocument", Reach::ByName, nullptr, 2};
inline constexpr Member kModelSpace{"ModelSpace", Reach::ByName, nullptr, 1};
inline constexpr Member kGroups{"Groups", Reach::ByName, nullptr, 2};
// The group collection, and a group.
inline constexpr Member kGroupsItem{"Item", Reach::ByName, nullptr, DISPID_VALUE};
inline constexpr Member kEntityAt{"EntityAt", Reach::Direct, &kGroupInterface, DISPID_UNKNOWN, 20};
// The model space.
inline constexpr Member kAddSphere{"AddSphere", Reach::ByName, nullptr, 1};
inline constexpr Member kAddCircle{"AddCircle", Reach::ByName, nullptr, 2};
inline constexpr Member kAddSpline{"AddSpline", Reach::ByName, nullptr, 3};
// Drawing objects, entities and solids.
inline constexpr Member kDiscard{"Discard", Reach::Direct, &kObjectInterface, DISPID_UNKNOWN, 11};
inline constexpr Member kMarkCode{"MarkCode", Reach::DirectPut, &kEntityInterface, DISPID_UNKNOWN,
                                  21};
inline constexpr Member kFinish{"Finish", Reach::Direct, &kEntityInterface, DISPID_UNKNOWN, 41};
inline constexpr Member kCheckInterference{"CheckInterference", Reach::ByName, &kEntityInterface,
                                           1};
inline constexpr Member kMeasure{"Measure", Reach::DirectGet, &kSolidInterface, DISPID_UNKNOWN, 57};

inline constexpr auto kMembers = std::to_array<const Member*>(
    {&kVisible, &kActiveDocument, &kModelSpace, &kGroups, &kGroupsItem, &kEntityAt, &kAddSphere,
     &kAddCircle, &kAddSpline, &kDiscard, &kMarkCode, &kFinish, &kCheckInterference, &kMeasure});

}  // namespace com::cad_members
