#include "standin/cmm.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "automation/value.h"
#include "cmm/api.h"
#include "points/number_text.h"

namespace {

using automation::toObject;

const points::NumberLocale kDot{'.'};

class CmmStandIn : public ::testing::Test {
  protected:
    CmmStandIn() {
        state->machineName = "CMM-1";
        state->probeRadius = 0.5;
        state->commands.push_back({"F1", "F1 =FEAT/POINT", {{{1, 2, 3}}, {{4, 5, 6}}}});
        state->commands.push_back({"PLN1", "PLN1 =FEAT/PLANE", {}});
        state->commands.push_back({"F1", "second F1", {{{7, 8, 9}}}});
    }

    std::shared_ptr<cmm::Application> application() {
        return toObject<cmm::Application>(connector.create());
    }
    std::shared_ptr<cmm::CommandCollection> commands() {
        return toObject<cmm::CommandCollection>(
            toObject<cmm::PartProgram>(application()->partProgram())->commands());
    }
    std::shared_ptr<cmm::FeatureData> featureData(const std::string& id) {
        return toObject<cmm::FeatureData>(
            toObject<cmm::Command>(commands()->commandById(id))->featureData());
    }

    std::shared_ptr<standin::CmmState> state = std::make_shared<standin::CmmState>();
    standin::CmmConnector connector{state};
};

TEST_F(CmmStandIn, AnswersTheProgramsQuestions) {
    auto app = application();
    EXPECT_THROW(app->machine(2), points::ProgramFailure);
    auto machine = toObject<cmm::Machine>(app->machine(1));
    EXPECT_EQ(automation::toText(machine->name(), kDot), "CMM-1");

    auto program = toObject<cmm::PartProgram>(app->partProgram());
    auto oldBasic = toObject<cmm::OldBasic>(program->oldBasic());
    EXPECT_EQ(automation::toDouble(oldBasic->getProbeRadius(), kDot), 0.5);

    auto collection = commands();
    EXPECT_EQ(automation::toInt32(collection->count(), kDot), 3);
    std::vector<std::string> ids;
    for (std::int16_t i = 1; i <= 3; ++i) {
        std::int16_t position = i;
        ids.push_back(
            automation::toText(toObject<cmm::Command>(collection->item(position))->id(), kDot));
    }
    EXPECT_EQ(ids, (std::vector<std::string>{"F1", "PLN1", "F1"}));
    for (std::int16_t outside : {std::int16_t{0}, std::int16_t{4}}) {
        EXPECT_THROW(collection->item(outside), points::ProgramFailure);
    }

    // The first command with the ID is the one found; an unknown ID is refused.
    auto first = toObject<cmm::Command>(collection->commandById("F1"));
    EXPECT_EQ(automation::toText(first->value(), kDot), "F1 =FEAT/POINT");
    EXPECT_THROW(collection->commandById("f1"), points::ProgramFailure);
    EXPECT_THROW(collection->commandById("F9"), points::ProgramFailure);
}

TEST_F(CmmStandIn, ReadsFeaturePointsOnlyWithTheExpectedSelectors) {
    auto data = featureData("F1");
    EXPECT_EQ(automation::toInt16(data->pointCount(), kDot), 2);
    auto second = toObject<cmm::PointObject>(data->featurePoint(2, 12, 3, 13, "", 0));
    EXPECT_EQ(automation::toDouble(second->coordinate(cmm::Axis::X), kDot), 4.0);
    EXPECT_EQ(automation::toDouble(second->coordinate(cmm::Axis::Y), kDot), 5.0);
    EXPECT_EQ(automation::toDouble(second->coordinate(cmm::Axis::Z), kDot), 6.0);

    EXPECT_THROW(data->featurePoint(0, 12, 3, 13, "", 0), points::ProgramFailure);
    EXPECT_THROW(data->featurePoint(3, 12, 3, 13, "", 0), points::ProgramFailure);
    EXPECT_THROW(data->featurePoint(1, 13, 3, 13, "", 0), points::ProgramFailure);
    EXPECT_THROW(data->featurePoint(1, 12, 2, 13, "", 0), points::ProgramFailure);
    EXPECT_THROW(data->featurePoint(1, 12, 3, 12, "", 0), points::ProgramFailure);
    EXPECT_THROW(data->featurePoint(1, 12, 3, 13, "X", 0), points::ProgramFailure);
    EXPECT_THROW(data->featurePoint(1, 12, 3, 13, "", 1), points::ProgramFailure);

    EXPECT_EQ(automation::toInt16(featureData("PLN1")->pointCount(), kDot), 0);
}

TEST_F(CmmStandIn, PointObjectsAreCopies) {
    auto data = featureData("F1");
    auto point = toObject<cmm::PointObject>(data->featurePoint(1, 12, 3, 13, "", 0));
    point->setCoordinate(cmm::Axis::Z, -3.0);
    point->setCoordinate(cmm::Axis::X, 10.5);
    EXPECT_EQ(automation::toDouble(point->coordinate(cmm::Axis::Z), kDot), -3.0);
    EXPECT_EQ(automation::toDouble(point->coordinate(cmm::Axis::X), kDot), 10.5);
    EXPECT_EQ(automation::toDouble(point->coordinate(cmm::Axis::Y), kDot), 2.0);

    // The part program and a fresh point object still hold the measured values.
    EXPECT_EQ(state->commands[0].points[0], (points::Point3{1, 2, 3}));
    auto again = toObject<cmm::PointObject>(data->featurePoint(1, 12, 3, 13, "", 0));
    EXPECT_EQ(automation::toDouble(again->coordinate(cmm::Axis::Z), kDot), 3.0);
}

TEST_F(CmmStandIn, NotInstalledOrRemovedCommandsFail) {
    auto collection = commands();
    auto command = toObject<cmm::Command>(collection->commandById("PLN1"));
    state->commands.pop_back();
    state->commands.pop_back();
    EXPECT_THROW(command->value(), points::ProgramFailure);
    EXPECT_THROW(command->featureData(), points::ProgramFailure);

    state->installed = false;
    EXPECT_THROW(connector.create(), points::ProgramFailure);
}

TEST_F(CmmStandIn, FaultsAnswersAndCallCounts) {
    auto& faults = state->faults;
    auto app = application();
    faults.failOn(cmm::members::kMachine);
    EXPECT_THROW(app->machine(1), points::ProgramFailure);

    // A count too large for the program's 16-bit lists, answered instead of the real one.
    faults.answerOn(cmm::members::kCount, std::int32_t{40000});
    EXPECT_THROW(automation::toInt16(commands()->count(), kDot), points::ProgramFailure);

    // A wrong kind of answer: text where an object is expected.
    faults.answerOn(cmm::members::kPartProgram, "not a part program");
    EXPECT_THROW(toObject<cmm::PartProgram>(app->partProgram()), points::ProgramFailure);

    // Failing only after two good calls.
    faults.clear();
    faults.failOn(cmm::members::kReadCoordinate, 2);
    auto point = toObject<cmm::PointObject>(featureData("F1")->featurePoint(1, 12, 3, 13, "", 0));
    EXPECT_NO_THROW(point->coordinate(cmm::Axis::X));
    EXPECT_NO_THROW(point->coordinate(cmm::Axis::Y));
    EXPECT_THROW(point->coordinate(cmm::Axis::Z), points::ProgramFailure);

    // A failed write leaves the point as it was; an answered one is swallowed.
    faults.failOn(cmm::members::kWriteCoordinate);
    EXPECT_THROW(point->setCoordinate(cmm::Axis::X, 9.0), points::ProgramFailure);
    faults.answerOn(cmm::members::kWriteCoordinate, automation::Value());
    point->setCoordinate(cmm::Axis::X, 9.0);
    faults.clear();
    EXPECT_EQ(automation::toDouble(point->coordinate(cmm::Axis::X), kDot), 1.0);

    faults.failOn(cmm::members::kCreate);
    EXPECT_THROW(connector.create(), points::ProgramFailure);
    faults.answerOn(cmm::members::kGetProbeRadius, "abc");
    EXPECT_THROW(
        automation::toDouble(
            toObject<cmm::OldBasic>(toObject<cmm::PartProgram>(app->partProgram())->oldBasic())
                ->getProbeRadius(),
            kDot),
        points::ProgramFailure);

    EXPECT_EQ(faults.calls(cmm::members::kCreate), 4u);
    EXPECT_EQ(faults.calls(cmm::members::kMachine), 1u);
    EXPECT_EQ(faults.calls(cmm::members::kCommandById), 1u);
    EXPECT_EQ(faults.calls(cmm::members::kReadCoordinate), 4u);
    EXPECT_EQ(faults.calls(cmm::members::kWriteCoordinate), 2u);
    EXPECT_EQ(faults.calls(cmm::members::kGetProbeRadius), 1u);
}

// The rule by which the program lists a feature: capital F, then nothing or a character
// sorting before "A".
bool listedFeature(const std::string& id) {
    return id.size() >= 1 && id[0] == 'F' && (id.size() == 1 || id[1] < 'A');
}

TEST(DemoCmm, PartProgramHasTheFeaturesTheDemoNeeds) {
    const auto demo = standin::demoCmm();
    EXPECT_EQ(demo.machineName, "Demo CMM 7.10");
    EXPECT_EQ(points::fixedSixText(demo.probeRadius + demo.probeRadius, kDot), "2.000000");

    std::vector<std::string> listed;
    for (const auto& command : demo.commands) {
        if (listedFeature(command.id)) listed.push_back(command.id);
    }
    EXPECT_EQ(listed,
              (std::vector<std::string>{"F1", "F2", "F3", "F4", "F5", "F6", "F", "F7", "F10"}));

    const auto sizeOf = [&](const std::string& id) {
        const auto it = std::find_if(demo.commands.begin(), demo.commands.end(),
                                     [&](const auto& c) { return c.id == id; });
        return it == demo.commands.end() ? -1 : static_cast<int>(it->points.size());
    };
    EXPECT_EQ(sizeOf("F2"), 1);
    EXPECT_EQ(sizeOf("F1"), 8);
    EXPECT_EQ(sizeOf("F4"), 400);
    EXPECT_EQ(sizeOf("ALN1"), 0);
    for (const auto& command : demo.commands) {
        EXPECT_EQ(command.value.empty(), command.id == "F5") << command.id;
    }
}

TEST(DemoCmm, PointsAreProbeCentresJustOffTheBlock) {
    const auto demo = standin::demoCmm();
    int near = 0;
    int far = 0;
    for (const auto& command : demo.commands) {
        for (const auto& p : command.points) {
            // Distance from the block (0,0,0)-(120,80,30) and how far inside the face's edges.
            const double dx = std::max({0.0 - p[0], 0.0, p[0] - 120.0});
            const double dy = std::max({0.0 - p[1], 0.0, p[1] - 80.0});
            const double dz = std::max({0.0 - p[2], 0.0, p[2] - 30.0});
            const double distance = std::sqrt(dx * dx + dy * dy + dz * dz);
            const int facesOff = (dx > 0) + (dy > 0) + (dz > 0);
            ASSERT_EQ(facesOff, 1) << command.id << " point off an edge or inside the block";
            const double deviation = distance - demo.probeRadius;
            EXPECT_GE(deviation, -0.0305) << command.id;
            EXPECT_LE(deviation, 0.1205) << command.id;
            (deviation < 0.05 ? near : far) += 1;
            for (int axis = 0; axis < 3; ++axis) {
                const double size = axis == 0 ? 120.0 : axis == 1 ? 80.0 : 30.0;
                if (p[axis] >= 0.0 && p[axis] <= size) {
                    EXPECT_GE(p[axis], 3.0) << command.id;
                    EXPECT_LE(p[axis], size - 3.0) << command.id;
                }
            }
        }
    }
    // A tolerance check at 0.05 must find both kinds in the demo.
    EXPECT_GT(near, 100);
    EXPECT_GT(far, 100);
}

}  // namespace
