#include "standin/measurement.h"

#include <utility>

namespace standin {

MeasurementConnector::MeasurementConnector(std::shared_ptr<MeasurementState> state)
    : state_(std::move(state)) {}

cmm::Value MeasurementConnector::create() {
    if (auto answer = state_->faults.call(CmmOperation::Create)) return *answer;
    throw points::Failure("the measurement application is not available yet");
}

}  // namespace standin
