#include "standin/cmm_commands.h"

#include <string>
#include <utility>

#include "points/program_failure.h"
#include "standin/cmm_command.h"

namespace standin {

CmmCommands::CmmCommands(CmmStatePtr state) : state_(std::move(state)) {}

cmm::Value CmmCommands::count() {
    if (auto answer = state_->faults.call(cmm::members::kCount)) return *answer;
    return static_cast<std::int32_t>(state_->commands.size());
}

cmm::Value CmmCommands::item(std::int16_t& position) {
    if (auto answer = state_->faults.call(cmm::members::kItem)) return *answer;
    if (position < 1 || static_cast<std::size_t>(position) > state_->commands.size()) {
        throw points::ProgramFailure("no command at position " + std::to_string(position));
    }
    return std::make_shared<CmmCommand>(state_, static_cast<std::size_t>(position) - 1);
}

cmm::Value CmmCommands::commandById(const std::string& id) {
    if (auto answer = state_->faults.call(cmm::members::kCommandById)) return *answer;
    for (std::size_t i = 0; i < state_->commands.size(); ++i) {
        if (state_->commands[i].id == id) return std::make_shared<CmmCommand>(state_, i);
    }
    throw points::ProgramFailure("no command with ID " + id);
}

}  // namespace standin
