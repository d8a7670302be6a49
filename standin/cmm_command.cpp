#include "standin/cmm_command.h"

#include <utility>

#include "standin/cmm_feature_data.h"

namespace standin {

CmmCommand::CmmCommand(CmmStatePtr state, std::size_t command)
    : state_(std::move(state)), command_(command) {}

cmm::Value CmmCommand::id() {
    if (auto answer = state_->faults.call(cmm::members::kId)) return *answer;
    return commandAt(*state_, command_).id;
}

cmm::Value CmmCommand::value() {
    if (auto answer = state_->faults.call(cmm::members::kCommandValue)) return *answer;
    return commandAt(*state_, command_).value;
}

cmm::Value CmmCommand::featureData() {
    if (auto answer = state_->faults.call(cmm::members::kFeatureData)) return *answer;
    commandAt(*state_, command_);
    return std::make_shared<CmmFeatureData>(state_, command_);
}

}  // namespace standin
