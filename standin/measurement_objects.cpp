#include "standin/measurement_objects.h"

#include <utility>

namespace standin {

namespace {

const PartCommand& commandAt(const MeasurementState& state, std::size_t index) {
    if (index >= state.commands.size()) throw points::Failure("the command no longer exists");
    return state.commands[index];
}

}  // namespace

MeasurementPoint::MeasurementPoint(StatePtr state, points::Point3 point)
    : state_(std::move(state)), point_(point) {}

cmm::Value MeasurementPoint::coordinate(cmm::Axis axis) {
    if (auto answer = state_->faults.call(CmmOperation::ReadCoordinate)) return *answer;
    return point_[static_cast<std::size_t>(axis) - 1];
}

void MeasurementPoint::setCoordinate(cmm::Axis axis, double value) {
    // An answered write is one the server swallowed: the point keeps its value.
    if (state_->faults.call(CmmOperation::WriteCoordinate)) return;
    point_[static_cast<std::size_t>(axis) - 1] = value;
}

MeasurementFeatureData::MeasurementFeatureData(StatePtr state, std::size_t command)
    : state_(std::move(state)), command_(command) {}

cmm::Value MeasurementFeatureData::pointCount() {
    if (auto answer = state_->faults.call(CmmOperation::PointCount)) return *answer;
    return static_cast<std::int32_t>(commandAt(*state_, command_).points.size());
}

cmm::Value MeasurementFeatureData::featurePoint(std::int32_t number, std::int32_t a, std::int32_t b,
                                                std::int32_t c, const std::string& text,
                                                std::int32_t d) {
    if (auto answer = state_->faults.call(CmmOperation::FeaturePoint)) return *answer;
    // Other selectors would make a real server answer some other point data.
    if (a != 12 || b != 3 || c != 13 || !text.empty() || d != 0) {
        throw points::Failure("feature point: unexpected selectors");
    }
    const auto& points = commandAt(*state_, command_).points;
    if (number < 1 || static_cast<std::size_t>(number) > points.size()) {
        throw points::Failure("feature point: no point " + std::to_string(number));
    }
    return std::make_shared<MeasurementPoint>(state_, points[static_cast<std::size_t>(number) - 1]);
}

MeasurementCommand::MeasurementCommand(StatePtr state, std::size_t command)
    : state_(std::move(state)), command_(command) {}

cmm::Value MeasurementCommand::id() {
    if (auto answer = state_->faults.call(CmmOperation::Id)) return *answer;
    return commandAt(*state_, command_).id;
}

cmm::Value MeasurementCommand::value() {
    if (auto answer = state_->faults.call(CmmOperation::CommandValue)) return *answer;
    return commandAt(*state_, command_).value;
}

cmm::Value MeasurementCommand::featureData() {
    if (auto answer = state_->faults.call(CmmOperation::FeatureData)) return *answer;
    commandAt(*state_, command_);
    return std::make_shared<MeasurementFeatureData>(state_, command_);
}

MeasurementCommands::MeasurementCommands(StatePtr state) : state_(std::move(state)) {}

cmm::Value MeasurementCommands::count() {
    if (auto answer = state_->faults.call(CmmOperation::Count)) return *answer;
    return static_cast<std::int32_t>(state_->commands.size());
}

cmm::Value MeasurementCommands::item(std::int16_t& position) {
    if (auto answer = state_->faults.call(CmmOperation::Item)) return *answer;
    if (position < 1 || static_cast<std::size_t>(position) > state_->commands.size()) {
        throw points::Failure("no command at position " + std::to_string(position));
    }
    return std::make_shared<MeasurementCommand>(state_, static_cast<std::size_t>(position) - 1);
}

cmm::Value MeasurementCommands::commandById(const std::string& id) {
    if (auto answer = state_->faults.call(CmmOperation::CommandById)) return *answer;
    for (std::size_t i = 0; i < state_->commands.size(); ++i) {
        if (state_->commands[i].id == id) return std::make_shared<MeasurementCommand>(state_, i);
    }
    throw points::Failure("no command with ID " + id);
}

MeasurementOldBasic::MeasurementOldBasic(StatePtr state) : state_(std::move(state)) {}

cmm::Value MeasurementOldBasic::getProbeRadius() {
    if (auto answer = state_->faults.call(CmmOperation::ProbeRadius)) return *answer;
    return state_->probeRadius;
}

MeasurementPartProgram::MeasurementPartProgram(StatePtr state) : state_(std::move(state)) {}

cmm::Value MeasurementPartProgram::oldBasic() {
    if (auto answer = state_->faults.call(CmmOperation::OldBasic)) return *answer;
    return std::make_shared<MeasurementOldBasic>(state_);
}

cmm::Value MeasurementPartProgram::commands() {
    if (auto answer = state_->faults.call(CmmOperation::Commands)) return *answer;
    return std::make_shared<MeasurementCommands>(state_);
}

MeasurementMachine::MeasurementMachine(StatePtr state) : state_(std::move(state)) {}

cmm::Value MeasurementMachine::name() {
    if (auto answer = state_->faults.call(CmmOperation::MachineName)) return *answer;
    return state_->machineName;
}

MeasurementApplication::MeasurementApplication(StatePtr state) : state_(std::move(state)) {}

cmm::Value MeasurementApplication::machine(std::int16_t number) {
    if (auto answer = state_->faults.call(CmmOperation::Machine)) return *answer;
    if (number != 1) throw points::Failure("no machine " + std::to_string(number));
    return std::make_shared<MeasurementMachine>(state_);
}

cmm::Value MeasurementApplication::partProgram() {
    if (auto answer = state_->faults.call(CmmOperation::PartProgram)) return *answer;
    return std::make_shared<MeasurementPartProgram>(state_);
}

}  // namespace standin
