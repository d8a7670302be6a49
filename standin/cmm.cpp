#include "standin/cmm.h"

#include <utility>

#include "standin/cmm_objects.h"

namespace standin {

CmmConnector::CmmConnector(std::shared_ptr<CmmState> state) : state_(std::move(state)) {}

cmm::Value CmmConnector::create() {
    if (auto answer = state_->faults.call(CmmOperation::Create)) return *answer;
    if (!state_->installed)
        throw points::ProgramFailure("the measurement application is not installed");
    return std::make_shared<CmmApplication>(state_);
}

}  // namespace standin
