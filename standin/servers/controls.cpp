#include "standin/servers/controls.h"

#include <array>
#include <string>
#include <utility>

#include "standin/com/arguments.h"
#include "standin/com/bound_member.h"
#include "standin/drawing_text.h"

namespace standin::servers {

using com::ArgumentError;
using com::CallCounts;

namespace {

[[noreturn]] void noMember() { throw ArgumentError{DISP_E_MEMBERNOTFOUND, 0}; }

automation::Value number(std::size_t n) { return static_cast<std::int32_t>(n); }

template <std::size_t N>
const automation::Member& operationNamed(const std::array<const automation::Member*, N>& rows,
                                         const std::string& name, UINT position) {
    for (const automation::Member* row : rows)
        if (row->name == name) return *row;
    throw ArgumentError{DISP_E_TYPEMISMATCH, position};
}

}  // namespace

CadState& Controls::cad() const {
    if (!target_.cad) noMember();
    return *target_.cad;
}

FaultPlan& Controls::faults() const {
    return target_.measurement ? target_.measurement->faults : cad().faults;
}

const automation::Member& Controls::operation(const std::string& name, UINT position) const {
    return target_.measurement ? operationNamed(::cmm::members::kMembers, name, position)
                               : operationNamed(::cad::members::kMembers, name, position);
}

automation::Value Controls::processId() { return number(GetCurrentProcessId()); }

automation::Value Controls::objects() { return number(target_.server->objects); }

automation::Value Controls::calls(const std::string& kind) {
    const CallCounts& calls = target_.server->calls;
    if (kind == "lookup") return number(calls.lookups);
    if (kind == "invoke") return number(calls.invokes);
    if (kind == "direct") return number(calls.directs);
    if (kind == "query") return number(calls.queries);
    if (kind == "release") return number(calls.releases);
    throw ArgumentError{DISP_E_TYPEMISMATCH, 0};
}

automation::Value Controls::operationCalls(const std::string& name) {
    return number(faults().calls(operation(name, 0)));
}

void Controls::resetCalls() {
    ServerControl& server = *target_.server;
    server.calls = {};
    server.accepted = server.rejected = 0;
    if (target_.measurement) target_.measurement->faults.resetCalls();
    if (target_.cad) target_.cad->faults.resetCalls();
}

void Controls::failOn(const std::string& name, std::int32_t afterCalls) {
    faults().failOn(operation(name, 1), static_cast<std::size_t>(afterCalls));
}

void Controls::answerOn(const std::string& name, automation::Value answer,
                        std::int32_t afterCalls) {
    faults().answerOn(operation(name, 2), std::move(answer), static_cast<std::size_t>(afterCalls));
}

void Controls::clearFaults() {
    if (target_.measurement) target_.measurement->faults.clear();
    if (target_.cad) target_.cad->faults.clear();
}

void Controls::rejectNext(std::int32_t count) {
    target_.server->rejectNext = static_cast<std::size_t>(count);
}

automation::Value Controls::rejected() { return number(target_.server->rejected); }

automation::Value Controls::drawing() {
    std::string text;
    for (const auto& line : drawingLines(cad().drawing)) text += line + "\n";
    return text;
}

void Controls::addFeature(const std::string& featureId, std::int32_t count) {
    if (!target_.measurement) noMember();
    // A scan along the demo part's top face, every other point lifted off it, so that a
    // tolerance check finds points meeting and missing the part.
    PartCommand command{featureId, featureId + " =FEAT/SCAN", {}};
    for (std::int32_t i = 0; i < count; ++i)
        command.points.push_back({10.0 + 0.1 * (i % 1000), 40.0, i % 2 ? 31.5 : 31.0});
    target_.measurement->commands.push_back(std::move(command));
}

void Controls::quit() {
    if (target_.quit) target_.quit();
}

// Ends the process at once, as a crash would, once the operation has been called that often.
void Controls::dieOn(const std::string& name, std::int32_t afterCalls) {
    const automation::Member& op = operation(name, 1);
    // The plan is the stand-in's, kept alive with its state.
    std::shared_ptr<const void> state = target_.measurement;
    if (!state) state = target_.cad;
    target_.server->afterCall = [state, plan = &faults(), &op, afterCalls] {
        if (plan->calls(op) >= static_cast<std::size_t>(afterCalls))
            TerminateProcess(GetCurrentProcess(), 9);
    };
}

void Controls::holdNext(std::int32_t count) {
    target_.server->holdNext = static_cast<std::size_t>(count);
}

automation::Value Controls::held() { return target_.server->held; }

void Controls::letGo() {
    target_.server->holdNext = 0;
    target_.server->held = false;
}

IDispatch* makeControlObject(ControlTarget target) {
    static const com::Face controls = com::bound::faceOf<Controls, ControlMembers>(
        {com::bound::answer<Controls>(control_members::kInterface)});
    return (new com::ServerObject(std::make_shared<Controls>(std::move(target)), controls,
                                  std::make_shared<ServerControl>()))
        ->share();
}

}  // namespace standin::servers
