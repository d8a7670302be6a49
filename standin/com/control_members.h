#pragma once

#include <array>

#include "com/member_table.h"

// What tests and demos call on a running stand-in server's control object, all by name.
namespace standin::com::control_members {

using ::com::Member;
using ::com::Reach;

inline constexpr ::com::Interface kInterface{
    "StandinControl",
    {0x6C1A52E4, 0x3B0D, 0x4F2E, {0x9A, 0x61, 0x2D, 0x4B, 0x7E, 0x10, 0xC3, 0x11}}};

inline constexpr Member kProcessId{"ProcessId", Reach::ByName, &kInterface, 1};
inline constexpr Member kObjects{"Objects", Reach::ByName, &kInterface, 2};
inline constexpr Member kCalls{"Calls", Reach::ByName, &kInterface, 3};
inline constexpr Member kOperationCalls{"OperationCalls", Reach::ByName, &kInterface, 4};
inline constexpr Member kResetCalls{"ResetCalls", Reach::ByName, &kInterface, 5};
inline constexpr Member kFailOn{"FailOn", Reach::ByName, &kInterface, 6};
inline constexpr Member kAnswerOn{"AnswerOn", Reach::ByName, &kInterface, 7};
inline constexpr Member kClearFaults{"ClearFaults", Reach::ByName, &kInterface, 8};
inline constexpr Member kRejectNext{"RejectNext", Reach::ByName, &kInterface, 9};
inline constexpr Member kRejected{"Rejected", Reach::ByName, &kInterface, 10};
inline constexpr Member kDrawing{"Drawing", Reach::ByName, &kInterface, 11};
inline constexpr Member kAddFeature{"AddFeature", Reach::ByName, &kInterface, 12};
inline constexpr Member kQuit{"Quit", Reach::ByName, &kInterface, 13};
inline constexpr Member kDieOn{"DieOn", Reach::ByName, &kInterface, 14};
inline constexpr Member kHoldNext{"HoldNext", Reach::ByName, &kInterface, 15};
inline constexpr Member kHeld{"Held", Reach::ByName, &kInterface, 16};
inline constexpr Member kLetGo{"LetGo", Reach::ByName, &kInterface, 17};

inline constexpr auto kMembers = std::to_array<const Member*>(
    {&kProcessId, &kObjects, &kCalls, &kOperationCalls, &kResetCalls, &kFailOn, &kAnswerOn,
     &kClearFaults, &kRejectNext, &kRejected, &kDrawing, &kAddFeature, &kQuit, &kDieOn, &kHoldNext,
     &kHeld, &kLetGo});

}  // namespace standin::com::control_members
