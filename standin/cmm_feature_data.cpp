#include "standin/cmm_feature_data.h"

#include <string>
#include <utility>

#include "points/program_failure.h"
#include "standin/cmm_point.h"

namespace standin {

CmmFeatureData::CmmFeatureData(CmmStatePtr state, std::size_t command)
    : state_(std::move(state)), command_(command) {}

cmm::Value CmmFeatureData::pointCount() {
    if (auto answer = state_->faults.call(cmm::members::kPointCount)) return *answer;
    return static_cast<std::int32_t>(commandAt(*state_, command_).points.size());
}

cmm::Value CmmFeatureData::featurePoint(std::int32_t number, std::int32_t a, std::int32_t b,
                                        std::int32_t c, const std::string& text, std::int32_t d) {
    if (auto answer = state_->faults.call(cmm::members::kFeaturePoint)) return *answer;
    // Other selectors would make a real server answer some other point data.
    if (a != 12 || b != 3 || c != 13 || !text.empty() || d != 0) {
        throw points::ProgramFailure("feature point: unexpected selectors");
    }
    const auto& points = commandAt(*state_, command_).points;
    if (number < 1 || static_cast<std::size_t>(number) > points.size()) {
        throw points::ProgramFailure("feature point: no point " + std::to_string(number));
    }
    return std::make_shared<CmmPoint>(state_, points[static_cast<std::size_t>(number) - 1]);
}

}  // namespace standin
