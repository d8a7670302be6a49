#include "standin/com/control_object.h"

#include <array>
#include <functional>
#include <string>
#include <utility>

#include "cad/api.h"
#include "cmm/api.h"
#include "com/result.h"
#include "com/members.h"
#include "com/variant.h"
#include "standin/com/argument_error.h"
#include "standin/com/control_members.h"
#include "standin/com/server_object.h"
#include "standin/drawing_text.h"

namespace standin::com {

namespace {

// An operation of a stand-in is a member row of its application, named as the row names it.
template <std::size_t N>
const automation::Member& operationNamed(const std::array<const automation::Member*, N>& rows,
                                         const std::string& name, UINT position) {
    for (const automation::Member* row : rows)
        if (row->name == name) return *row;
    throw ArgumentError{DISP_E_TYPEMISMATCH, position};
}

class ControlObject : public ServerObject {
  public:
    explicit ControlObject(ControlTarget target)
        : ServerObject(std::make_shared<ServerControl>()), target_(std::move(target)) {}
    automation::ObjectPtr embedded() const override { return nullptr; }

  protected:
    bool answersTo(const IID& iid) const override { return iid == ::com::iidOf(control_members::kInterface); }

    DISPID idOfName(const std::string& name) const override {
        for (const automation::Member* member : control_members::kMembers)
            if (isNamed(name, *member)) return member->id;
        return DISPID_UNKNOWN;
    }

    void invoke(DISPID id, const Arguments& args, VARIANT* out) override {
        ServerControl& server = *target_.server;
        switch (id) {
            case control_members::kProcessId.id:
                args.expectCall(0);
                return number(static_cast<std::int32_t>(GetCurrentProcessId()), out);
            case control_members::kObjects.id:
                args.expectCall(0);
                return number(server.objects, out);
            case control_members::kCalls.id:
                args.expectCall(1);
                return number(callsOf(args.text(0)), out);
            case control_members::kOperationCalls.id:
                args.expectCall(1);
                return number(faults().calls(operation(args.text(0), 0)), out);
            case control_members::kResetCalls.id:
                args.expectCall(0);
                server.calls = {};
                server.accepted = server.rejected = 0;
                if (target_.measurement) target_.measurement->faults.resetCalls();
                if (target_.cad) target_.cad->faults.resetCalls();
                return;
            case control_members::kFailOn.id:
            case control_members::kAnswerOn.id:
                return plan(id == control_members::kAnswerOn.id, args);
            case control_members::kClearFaults.id:
                args.expectCall(0);
                if (target_.measurement) target_.measurement->faults.clear();
                if (target_.cad) target_.cad->faults.clear();
                return;
            case control_members::kRejectNext.id:
                args.expectCall(1);
                server.rejectNext = static_cast<std::size_t>(args.int32(0));
                return;
            case control_members::kRejected.id:
                args.expectCall(0);
                return number(server.rejected, out);
            case control_members::kDrawing.id: {
                args.expectCall(0);
                std::string text;
                for (const auto& line : drawingLines(cad().drawing)) text += line + "\n";
                return result(text, out);
            }
            case control_members::kAddFeature.id: {
                args.expectCall(2);
                const std::string featureId = args.text(0);
                addFeature(featureId, args.int32(1));
                return;
            }
            case control_members::kQuit.id:
                args.expectCall(0);
                if (target_.quit) target_.quit();
                return;
            case control_members::kDieOn.id:
                return dieOn(args);
            case control_members::kHoldNext.id:
                args.expectCall(1);
                server.holdNext = static_cast<std::size_t>(args.int32(0));
                return;
            case control_members::kHeld.id:
                args.expectCall(0);
                return result(server.held, out);
            case control_members::kLetGo.id:
                args.expectCall(0);
                server.holdNext = 0;
                server.held = false;
                return;
            default:
                noMember();
        }
    }

  private:
    [[noreturn]] static void noMember() { throw ArgumentError{DISP_E_MEMBERNOTFOUND, 0}; }

    void number(std::size_t n, VARIANT* out) const { result(static_cast<std::int32_t>(n), out); }

    CadState& cad() const {
        if (!target_.cad) noMember();
        return *target_.cad;
    }
    FaultPlan& faults() const {
        return target_.measurement ? target_.measurement->faults : cad().faults;
    }
    const automation::Member& operation(const std::string& name, UINT position) const {
        return target_.measurement ? operationNamed(::cmm::members::kMembers, name, position)
                                   : operationNamed(::cad::members::kMembers, name, position);
    }

    std::size_t callsOf(const std::string& kind) const {
        const CallCounts& calls = target_.server->calls;
        if (kind == "lookup") return calls.lookups;
        if (kind == "invoke") return calls.invokes;
        if (kind == "direct") return calls.directs;
        if (kind == "query") return calls.queries;
        if (kind == "release") return calls.releases;
        throw ArgumentError{DISP_E_TYPEMISMATCH, 0};
    }

    // FailOn(operation, afterCalls) or AnswerOn(operation, answer, afterCalls).
    void plan(bool answer, const Arguments& args) {
        args.expectCall(answer ? 3 : 2);
        const std::string name = args.text(0);
        const auto afterCalls = static_cast<std::size_t>(args.int32(answer ? 2 : 1));
        automation::Value value;
        if (answer) value = args.value(1);
        const automation::Member& op = operation(name, args.count() - 1);
        answer ? faults().answerOn(op, value, afterCalls) : faults().failOn(op, afterCalls);
    }

    void dieOn(const Arguments& args) {
        args.expectCall(2);
        const std::string name = args.text(0);
        const auto afterCalls = static_cast<std::size_t>(args.int32(1));
        const automation::Member& op = operation(name, 1);
        // The plan is the stand-in's, kept alive with its state.
        std::shared_ptr<const void> state = target_.measurement;
        if (!state) state = target_.cad;
        target_.server->afterCall = [state, plan = &faults(), &op, afterCalls] {
            if (plan->calls(op) >= afterCalls) TerminateProcess(GetCurrentProcess(), 9);
        };
    }

    void addFeature(const std::string& featureId, std::int32_t count) {
        if (!target_.measurement) noMember();
        // A scan along the demo part's top face, every other point lifted off it, so that a
        // tolerance check finds points meeting and missing the part.
        PartCommand command{featureId, featureId + " =FEAT/SCAN", {}};
        for (std::int32_t i = 0; i < count; ++i)
            command.points.push_back({10.0 + 0.1 * (i % 1000), 40.0, i % 2 ? 31.5 : 31.0});
        target_.measurement->commands.push_back(std::move(command));
    }

    ControlTarget target_;
};

}  // namespace

IDispatch* makeControlObject(ControlTarget target) {
    return (new ControlObject(std::move(target)))->share();
}

}  // namespace standin::com
