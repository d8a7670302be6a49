#include "standin/cmm_part_program.h"

#include <utility>

#include "standin/cmm_commands.h"
#include "standin/cmm_old_basic.h"

namespace standin {

CmmPartProgram::CmmPartProgram(CmmStatePtr state) : state_(std::move(state)) {}

cmm::Value CmmPartProgram::oldBasic() {
    if (auto answer = state_->faults.call(cmm::members::kOldBasic)) return *answer;
    return std::make_shared<CmmOldBasic>(state_);
}

cmm::Value CmmPartProgram::commands() {
    if (auto answer = state_->faults.call(cmm::members::kCommands)) return *answer;
    return std::make_shared<CmmCommands>(state_);
}

}  // namespace standin
