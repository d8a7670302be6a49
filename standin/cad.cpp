#include "standin/cad.h"

#include "points/program_failure.h"
#include "standin/cad_proxies.h"

namespace standin {

CadConnector::CadConnector(std::shared_ptr<CadState> state) : state_(std::move(state)) {}

cad::Value CadConnector::attach() {
    if (auto answer = state_->faults.call(CadOperation::Attach)) return *answer;
    if (!state_->running) throw points::ProgramFailure("no CAD application is running");
    return std::make_shared<cad_proxy::ApplicationProxy>(state_);
}

namespace cad_proxy {

std::optional<cad::Value> enter(CadState& state, CadOperation op) {
    auto answer = state.faults.call(op);
    if (!state.running) throw points::ProgramFailure("the CAD application is no longer running");
    return answer;
}

}  // namespace cad_proxy
}  // namespace standin
