#include "standin/cmm_machine.h"

#include <utility>

namespace standin {

CmmMachine::CmmMachine(CmmStatePtr state) : state_(std::move(state)) {}

cmm::Value CmmMachine::name() {
    if (auto answer = state_->faults.call(cmm::members::kMachineName)) return *answer;
    return state_->machineName;
}

}  // namespace standin
