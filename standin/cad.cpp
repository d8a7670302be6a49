#include "standin/cad.h"

#include "points/program_failure.h"
#include "standin/cad_application.h"

namespace standin {

CadConnector::CadConnector(std::shared_ptr<CadState> state) : state_(std::move(state)) {}

cad::Value CadConnector::attach() {
    if (auto answer = state_->faults.call(cad::members::kAttach)) return *answer;
    if (!state_->running) throw points::ProgramFailure("no CAD application is running");
    return std::make_shared<CadApplication>(state_);
}

std::optional<cad::Value> enter(CadState& state, const automation::Member& op) {
    auto answer = state.faults.call(op);
    if (!state.running) throw points::ProgramFailure("the CAD application is no longer running");
    return answer;
}

}  // namespace standin
