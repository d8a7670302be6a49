#include "standin/cmm_objects.h"

#include <utility>

namespace standin {

namespace {

const PartCommand& commandAt(const CmmState& state, std::size_t index) {
    if (index >= state.commands.size())
        throw points::ProgramFailure("the command no longer exists");
    return state.commands[index];
}

}  // namespace

CmmPoint::CmmPoint(StatePtr state, points::Point3 point)
    : state_(std::move(state)), point_(point) {}

cmm::Value CmmPoint::coordinate(cmm::Axis axis) {
    if (auto answer = state_->faults.call(CmmOperation::ReadCoordinate)) return *answer;
    return point_[static_cast<std::size_t>(axis) - 1];
}

void CmmPoint::setCoordinate(cmm::Axis axis, double value) {
    // An answered write is one the server swallowed: the point keeps its value.
    if (state_->faults.call(CmmOperation::WriteCoordinate)) return;
    point_[static_cast<std::size_t>(axis) - 1] = value;
}

CmmFeatureData::CmmFeatureData(StatePtr state, std::size_t command)
    : state_(std::move(state)), command_(command) {}

cmm::Value CmmFeatureData::pointCount() {
    if (auto answer = state_->faults.call(CmmOperation::PointCount)) return *answer;
    return static_cast<std::int32_t>(commandAt(*state_, command_).points.size());
}

cmm::Value CmmFeatureData::featurePoint(std::int32_t number, std::int32_t a, std::int32_t b,
                                        std::int32_t c, const std::string& text, std::int32_t d) {
    if (auto answer = state_->faults.call(CmmOperation::FeaturePoint)) return *answer;
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

CmmCommand::CmmCommand(StatePtr state, std::size_t command)
    : state_(std::move(state)), command_(command) {}

cmm::Value CmmCommand::id() {
    if (auto answer = state_->faults.call(CmmOperation::Id)) return *answer;
    return commandAt(*state_, command_).id;
}

cmm::Value CmmCommand::value() {
    if (auto answer = state_->faults.call(CmmOperation::CommandValue)) return *answer;
    return commandAt(*state_, command_).value;
}

cmm::Value CmmCommand::featureData() {
    if (auto answer = state_->faults.call(CmmOperation::FeatureData)) return *answer;
    commandAt(*state_, command_);
    return std::make_shared<CmmFeatureData>(state_, command_);
}

CmmCommands::CmmCommands(StatePtr state) : state_(std::move(state)) {}

cmm::Value CmmCommands::count() {
    if (auto answer = state_->faults.call(CmmOperation::Count)) return *answer;
    return static_cast<std::int32_t>(state_->commands.size());
}

cmm::Value CmmCommands::item(std::int16_t& position) {
    if (auto answer = state_->faults.call(CmmOperation::Item)) return *answer;
    if (position < 1 || static_cast<std::size_t>(position) > state_->commands.size()) {
        throw points::ProgramFailure("no command at position " + std::to_string(position));
    }
    return std::make_shared<CmmCommand>(state_, static_cast<std::size_t>(position) - 1);
}

cmm::Value CmmCommands::commandById(const std::string& id) {
    if (auto answer = state_->faults.call(CmmOperation::CommandById)) return *answer;
    for (std::size_t i = 0; i < state_->commands.size(); ++i) {
        if (state_->commands[i].id == id) return std::make_shared<CmmCommand>(state_, i);
    }
    throw points::ProgramFailure("no command with ID " + id);
}

CmmOldBasic::CmmOldBasic(StatePtr state) : state_(std::move(state)) {}

cmm::Value CmmOldBasic::getProbeRadius() {
    if (auto answer = state_->faults.call(CmmOperation::ProbeRadius)) return *answer;
    return state_->probeRadius;
}

CmmPartProgram::CmmPartProgram(StatePtr state) : state_(std::move(state)) {}

cmm::Value CmmPartProgram::oldBasic() {
    if (auto answer = state_->faults.call(CmmOperation::OldBasic)) return *answer;
    return std::make_shared<CmmOldBasic>(state_);
}

cmm::Value CmmPartProgram::commands() {
    if (auto answer = state_->faults.call(CmmOperation::Commands)) return *answer;
    return std::make_shared<CmmCommands>(state_);
}

CmmMachine::CmmMachine(StatePtr state) : state_(std::move(state)) {}

cmm::Value CmmMachine::name() {
    if (auto answer = state_->faults.call(CmmOperation::MachineName)) return *answer;
    return state_->machineName;
}

CmmApplication::CmmApplication(StatePtr state) : state_(std::move(state)) {}

cmm::Value CmmApplication::machine(std::int16_t number) {
    if (auto answer = state_->faults.call(CmmOperation::Machine)) return *answer;
    if (number != 1) throw points::ProgramFailure("no machine " + std::to_string(number));
    return std::make_shared<CmmMachine>(state_);
}

cmm::Value CmmApplication::partProgram() {
    if (auto answer = state_->faults.call(CmmOperation::PartProgram)) return *answer;
    return std::make_shared<CmmPartProgram>(state_);
}

}  // namespace standin
