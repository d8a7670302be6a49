#include "standin/measurement.h"

#include <utility>

#include "standin/measurement_objects.h"

namespace standin {

MeasurementConnector::MeasurementConnector(std::shared_ptr<MeasurementState> state)
    : state_(std::move(state)) {}

cmm::Value MeasurementConnector::create() {
    if (auto answer = state_->faults.call(CmmOperation::Create)) return *answer;
    if (!state_->installed) throw points::Failure("the measurement application is not installed");
    return std::make_shared<MeasurementApplication>(state_);
}

}  // namespace standin
