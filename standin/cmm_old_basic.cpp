#include "standin/cmm_old_basic.h"

#include <utility>

namespace standin {

CmmOldBasic::CmmOldBasic(CmmStatePtr state) : state_(std::move(state)) {}

cmm::Value CmmOldBasic::getProbeRadius() {
    if (auto answer = state_->faults.call(cmm::members::kGetProbeRadius)) return *answer;
    return state_->probeRadius;
}

}  // namespace standin
