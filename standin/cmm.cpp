#include "standin/cmm.h"

#include <utility>

#include "points/program_failure.h"
#include "standin/cmm_application.h"

namespace standin {

CmmConnector::CmmConnector(std::shared_ptr<CmmState> state) : state_(std::move(state)) {}

cmm::Value CmmConnector::create() {
    if (auto answer = state_->faults.call(cmm::members::kCreate)) return *answer;
    if (!state_->installed)
        throw points::ProgramFailure("the measurement application is not installed");
    return std::make_shared<CmmApplication>(state_);
}

const PartCommand& commandAt(const CmmState& state, std::size_t index) {
    if (index >= state.commands.size())
        throw points::ProgramFailure("the command no longer exists");
    return state.commands[index];
}

}  // namespace standin
