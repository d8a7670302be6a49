#pragma once

#include <ole2.h>
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <tuple>

#include "automation/value.h"
#include "standin/cad.h"
#include "standin/cmm.h"
#include "standin/com/server_control.h"
#include "standin/servers/control_members.h"

namespace standin::servers {

using com::ServerControl;

// The stand-in a control object reaches: one of the two applications, and how its server ends.
struct ControlTarget {
    std::shared_ptr<ServerControl> server;
    std::shared_ptr<CmmState> measurement;  // or
    std::shared_ptr<CadState> cad;
    std::function<void()> quit;
};

// The controls of a stand-in server (the StandinControl dispinterface of the type library): its
// call counts, fault plan, busy answers and drawing, for tests and demos in other processes.
// Operations are named as their member rows name them.
class Controls : public automation::Object {
  public:
    explicit Controls(ControlTarget target) : target_(std::move(target)) {}

    automation::Value processId();
    automation::Value objects();
    // "lookup" (by name), "invoke", "direct", "query" or "release".
    automation::Value calls(const std::string& kind);
    automation::Value operationCalls(const std::string& operation);
    void resetCalls();
    void failOn(const std::string& operation, std::int32_t afterCalls);
    void answerOn(const std::string& operation, automation::Value answer, std::int32_t afterCalls);
    void clearFaults();
    void rejectNext(std::int32_t count);
    automation::Value rejected();
    automation::Value drawing();
    void addFeature(const std::string& featureId, std::int32_t points);
    void quit();
    void dieOn(const std::string& operation, std::int32_t afterCalls);
    void holdNext(std::int32_t count);
    automation::Value held();
    void letGo();

  private:
    CadState& cad() const;
    FaultPlan& faults() const;
    // The operation named `name`; `position` is the argument's in a report that there is none.
    const automation::Member& operation(const std::string& name, UINT position) const;

    ControlTarget target_;
};

namespace cr = control_members;
using automation::Bind;
using ControlMembers = std::tuple<
    Bind<cr::kProcessId, &Controls::processId>, Bind<cr::kObjects, &Controls::objects>,
    Bind<cr::kCalls, &Controls::calls>, Bind<cr::kOperationCalls, &Controls::operationCalls>,
    Bind<cr::kResetCalls, &Controls::resetCalls>, Bind<cr::kFailOn, &Controls::failOn>,
    Bind<cr::kAnswerOn, &Controls::answerOn>, Bind<cr::kClearFaults, &Controls::clearFaults>,
    Bind<cr::kRejectNext, &Controls::rejectNext>, Bind<cr::kRejected, &Controls::rejected>,
    Bind<cr::kDrawing, &Controls::drawing>, Bind<cr::kAddFeature, &Controls::addFeature>,
    Bind<cr::kQuit, &Controls::quit>, Bind<cr::kDieOn, &Controls::dieOn>,
    Bind<cr::kHoldNext, &Controls::holdNext>, Bind<cr::kHeld, &Controls::held>,
    Bind<cr::kLetGo, &Controls::letGo>>;

// The control object over `target`. It is not one of the application's objects, so it counts in
// neither the calls nor the objects it reports. The caller owns the returned reference.
IDispatch* makeControlObject(ControlTarget target);

}  // namespace standin::servers
