#include "standin/cmm_application.h"

#include <string>
#include <utility>

#include "points/program_failure.h"
#include "standin/cmm_machine.h"
#include "standin/cmm_part_program.h"

namespace standin {

CmmApplication::CmmApplication(CmmStatePtr state) : state_(std::move(state)) {}

cmm::Value CmmApplication::machine(std::int16_t number) {
    if (auto answer = state_->faults.call(cmm::members::kMachine)) return *answer;
    if (number != 1) throw points::ProgramFailure("no machine " + std::to_string(number));
    return std::make_shared<CmmMachine>(state_);
}

cmm::Value CmmApplication::partProgram() {
    if (auto answer = state_->faults.call(cmm::members::kPartProgram)) return *answer;
    return std::make_shared<CmmPartProgram>(state_);
}

}  // namespace standin
