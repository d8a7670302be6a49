#include "standin/cmm_point.h"

#include <utility>

namespace standin {

CmmPoint::CmmPoint(CmmStatePtr state, points::Point3 point)
    : state_(std::move(state)), point_(point) {}

cmm::Value CmmPoint::coordinate(cmm::Axis axis) {
    if (auto answer = state_->faults.call(cmm::members::kReadCoordinate)) return *answer;
    return point_[static_cast<std::size_t>(axis) - 1];
}

void CmmPoint::setCoordinate(cmm::Axis axis, double value) {
    // An answered write is one the server swallowed: the point keeps its value.
    if (state_->faults.call(cmm::members::kWriteCoordinate)) return;
    point_[static_cast<std::size_t>(axis) - 1] = value;
}

}  // namespace standin
