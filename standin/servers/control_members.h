#pragma once

#include <array>

#include "automation/member.h"

// What tests and demos call on a running stand-in server's control object, all by name.
namespace standin::servers::control_members {

using automation::Kind;
using automation::Member;

inline constexpr automation::Interface kInterface{
    "StandinControl",
    {0x6C1A52E4, 0x3B0D, 0x4F2E, {0x9A, 0x61, 0x2D, 0x4B, 0x7E, 0x10, 0xC3, 0x11}}};

inline constexpr Member kProcessId{
    .name = "ProcessId", .face = &kInterface, .id = 1, .result = Kind::Value};
inline constexpr Member kObjects{
    .name = "Objects", .face = &kInterface, .id = 2, .result = Kind::Value};
inline constexpr Member kCalls{
    .name = "Calls", .face = &kInterface, .id = 3, .args = {Kind::Text}, .result = Kind::Value};
inline constexpr Member kOperationCalls{.name = "OperationCalls",
                                        .face = &kInterface,
                                        .id = 4,
                                        .args = {Kind::Text},
                                        .result = Kind::Value};
inline constexpr Member kResetCalls{.name = "ResetCalls", .face = &kInterface, .id = 5};
inline constexpr Member kFailOn{
    .name = "FailOn", .face = &kInterface, .id = 6, .args = {Kind::Text, Kind::Int32}};
inline constexpr Member kAnswerOn{.name = "AnswerOn",
                                  .face = &kInterface,
                                  .id = 7,
                                  .args = {Kind::Text, Kind::Value, Kind::Int32}};
inline constexpr Member kClearFaults{.name = "ClearFaults", .face = &kInterface, .id = 8};
inline constexpr Member kRejectNext{
    .name = "RejectNext", .face = &kInterface, .id = 9, .args = {Kind::Int32}};
inline constexpr Member kRejected{
    .name = "Rejected", .face = &kInterface, .id = 10, .result = Kind::Value};
inline constexpr Member kDrawing{
    .name = "Drawing", .face = &kInterface, .id = 11, .result = Kind::Value};
inline constexpr Member kAddFeature{
    .name = "AddFeature", .face = &kInterface, .id = 12, .args = {Kind::Text, Kind::Int32}};
inline constexpr Member kQuit{.name = "Quit", .face = &kInterface, .id = 13};
inline constexpr Member kDieOn{
    .name = "DieOn", .face = &kInterface, .id = 14, .args = {Kind::Text, Kind::Int32}};
inline constexpr Member kHoldNext{
    .name = "HoldNext", .face = &kInterface, .id = 15, .args = {Kind::Int32}};
inline constexpr Member kHeld{.name = "Held", .face = &kInterface, .id = 16, .result = Kind::Value};
inline constexpr Member kLetGo{.name = "LetGo", .face = &kInterface, .id = 17};

inline constexpr auto kMembers = std::to_array<const Member*>(
    {&kProcessId, &kObjects, &kCalls, &kOperationCalls, &kResetCalls, &kFailOn, &kAnswerOn,
     &kClearFaults, &kRejectNext, &kRejected, &kDrawing, &kAddFeature, &kQuit, &kDieOn, &kHoldNext,
     &kHeld, &kLetGo});

}  // namespace standin::servers::control_members
