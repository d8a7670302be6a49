#include "standin/cad.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "points/program_failure.h"

namespace standin {
namespace {

using automation::isNothing;
using automation::toObject;
using points::ProgramFailure;

double number(const cad::Value& value) { return std::get<double>(value.storage()); }

class CadStandIn : public ::testing::Test {
  protected:
    std::shared_ptr<CadState> state = std::make_shared<CadState>(demoCad());
    CadConnector connector{state};

    std::shared_ptr<cad::Application> application() {
        return toObject<cad::Application>(connector.attach());
    }
    std::shared_ptr<cad::Document> document() {
        return toObject<cad::Document>(application()->activeDocument());
    }
    std::shared_ptr<cad::ModelSpace> modelSpace() {
        return toObject<cad::ModelSpace>(document()->modelSpace());
    }
    std::shared_ptr<cad::Group> part() {
        return toObject<cad::Group>(toObject<cad::Groups>(document()->groups())->item("PART"));
    }
    std::shared_ptr<cad::Solid> sphere(const points::Point3& centre, double radius) {
        return toObject<cad::Solid>(modelSpace()->addSphere(centre, radius));
    }
};

TEST_F(CadStandIn, AttachesOnlyWhileRunningAndShowsWhenMadeVisible) {
    int shown = 0;
    state->onShown = [&] { ++shown; };
    auto app = application();
    EXPECT_FALSE(state->visible);
    app->setVisible(true);
    EXPECT_TRUE(state->visible);
    EXPECT_EQ(shown, 1);
    app->setVisible(false);
    EXPECT_FALSE(state->visible);
    EXPECT_EQ(shown, 1);

    state->running = false;
    EXPECT_THROW(connector.attach(), ProgramFailure);
    // An application object held from before it went away no longer answers.
    EXPECT_THROW(app->activeDocument(), ProgramFailure);
    EXPECT_EQ(state->faults.calls(cad::members::kAttach), 2u);
}

TEST_F(CadStandIn, RefusesWhatACadApplicationRefuses) {
    auto space = modelSpace();
    const std::size_t before = state->drawing.entities().size();
    EXPECT_THROW(space->addSphere({1, 2, 3}, 0.0), ProgramFailure);
    EXPECT_THROW(space->addSphere({1, 2, 3}, -1.0), ProgramFailure);
    EXPECT_THROW(space->addSphere({1, 2, 3}, std::nan("")), ProgramFailure);
    EXPECT_THROW(space->addSphere({1, std::nan(""), 3}, 1.0), ProgramFailure);
    EXPECT_THROW(space->addCircle({1, 2, 3}, 0.0), ProgramFailure);
    EXPECT_THROW(space->addCircle({1, 2, 3}, -1.0), ProgramFailure);
    EXPECT_THROW(space->addSpline({}, {0, 0, 0}, {0, 0, 0}), ProgramFailure);  // never allocated
    EXPECT_THROW(space->addSpline({1, 2, 3}, {1, 2, 3}, {1, 2, 3}), ProgramFailure);  // one point
    EXPECT_THROW(space->addSpline({1, 2, 3, 4, 5, 6, 7}, {1, 2, 3}, {4, 5, 6}), ProgramFailure);
    EXPECT_EQ(state->drawing.entities().size(), before);
    EXPECT_NO_THROW(space->addSphere({1, 2, 3}, 0.0005));  // tiny but positive is drawn
    EXPECT_NO_THROW(space->addSpline({1, 2, 3, 4, 5, 6}, {1, 2, 3}, {4, 5, 6}));
}

TEST_F(CadStandIn, EntitiesKeepKindArgumentsMarkCodeAndFinish) {
    int changes = 0;
    state->drawing.observe([&] { ++changes; });
    auto space = modelSpace();
    auto s = toObject<cad::Solid>(space->addSphere({1.5, -2, 3}, 0.5));
    auto c = toObject<cad::Circle>(space->addCircle({4, 5, 6}, 0.25));
    auto sp =
        toObject<cad::Spline>(space->addSpline({0, 0, 0, 1, 1, 1, 2, 0, 0}, {0, 0, 0}, {2, 0, 0}));
    s->setMarkCode(3);
    s->finish();
    c->finish();
    EXPECT_THROW(toObject<cad::Solid>(space->addCircle({0, 0, 0}, 1)), ProgramFailure);

    const auto& all = state->drawing.entities();
    ASSERT_EQ(all.size(), 3u + 4u);  // the demo's three solids, then ours in order
    const DrawnEntity& sphereEntity = *all[3];
    EXPECT_EQ(sphereEntity.kind, EntityKind::Sphere);
    EXPECT_EQ(sphereEntity.centre, (points::Point3{1.5, -2, 3}));
    EXPECT_EQ(sphereEntity.radius, 0.5);
    EXPECT_EQ(sphereEntity.markCode, 3);
    EXPECT_TRUE(sphereEntity.finished);
    const DrawnEntity& circleEntity = *all[4];
    EXPECT_EQ(circleEntity.kind, EntityKind::Circle);
    EXPECT_EQ(circleEntity.radius, 0.25);
    EXPECT_FALSE(circleEntity.markCode.has_value());
    EXPECT_TRUE(circleEntity.finished);
    const DrawnEntity& splineEntity = *all[5];
    EXPECT_EQ(splineEntity.kind, EntityKind::Spline);
    EXPECT_EQ(splineEntity.splinePoints, (std::vector<double>{0, 0, 0, 1, 1, 1, 2, 0, 0}));
    EXPECT_EQ(splineEntity.splineEnd, (points::Point3{2, 0, 0}));
    EXPECT_FALSE(splineEntity.finished);
    EXPECT_EQ(changes, 7);  // four additions, a code and two finishes
}

TEST_F(CadStandIn, CheckInterferenceAgainstThePartBlock) {
    auto block = toObject<cad::Entity>(part()->entityAt(0));
    // Clear of the part: nothing comes back and nothing is added.
    const std::size_t before = state->drawing.entities().size();
    EXPECT_TRUE(isNothing(block->checkInterference(sphere({60, 40, 32}, 1.1), true)));
    EXPECT_EQ(state->drawing.entities().size(), before + 1);
    // Touching the top face is not meeting it.
    EXPECT_TRUE(isNothing(block->checkInterference(sphere({60, 40, 31}, 1.0), true)));

    // Sinking 0.3 into the top face: an interference solid of the cap's volume.
    auto outer = sphere({60, 40, 30.8}, 1.1);
    auto common = toObject<cad::Solid>(block->checkInterference(outer, true));
    const double cap = std::numbers::pi * 0.09 * (3 * 1.1 - 0.3) / 3;
    EXPECT_NEAR(number(common->measure()), cap, cap * 0.01);
    const auto& all = state->drawing.entities();
    ASSERT_EQ(all.back()->kind, EntityKind::InterferenceSolid);
    EXPECT_NEAR(all.back()->volume, cap, cap * 0.01);

    common->discard();
    EXPECT_TRUE(all.back()->discarded);  // stays in the drawing, flagged
    EXPECT_TRUE(state->drawing.entitiesOf(EntityKind::InterferenceSolid).empty());
    EXPECT_THROW(common->measure(), ProgramFailure);  // an erased entity answers nothing
    EXPECT_THROW(common->discard(), ProgramFailure);
}

TEST_F(CadStandIn, CheckInterferenceRefusesWhatIsNotSolidAgainstSphere) {
    auto block = toObject<cad::Entity>(part()->entityAt(0));
    auto circle = toObject<cad::Circle>(modelSpace()->addCircle({60, 40, 30}, 1));
    EXPECT_THROW(block->checkInterference(circle, true), ProgramFailure);
    EXPECT_THROW(circle->checkInterference(sphere({60, 40, 30}, 1), true), ProgramFailure);
    EXPECT_THROW(block->checkInterference(nullptr, true), ProgramFailure);

    // A sphere of another drawing is no argument for this one.
    auto otherState = std::make_shared<CadState>(demoCad());
    CadConnector otherConnector{otherState};
    auto otherSpace = toObject<cad::ModelSpace>(
        toObject<cad::Document>(
            toObject<cad::Application>(otherConnector.attach())->activeDocument())
            ->modelSpace());
    auto foreign = toObject<cad::Solid>(otherSpace->addSphere({60, 40, 30}, 1));
    EXPECT_THROW(block->checkInterference(foreign, true), ProgramFailure);

    // A sphere drawn by the program can itself be the reference, and any solid can be measured.
    auto big = sphere({0, 0, 0}, 2);
    EXPECT_FALSE(isNothing(big->checkInterference(sphere({3, 0, 0}, 2), true)));
    EXPECT_NEAR(number(big->measure()), 4.0 / 3 * std::numbers::pi * 8, 1e-9);
}

TEST_F(CadStandIn, TheDemoGroupPartStartsWithTheBlock) {
    auto groups = toObject<cad::Groups>(document()->groups());
    auto group = toObject<cad::Group>(groups->item("part"));  // names compare without case
    EXPECT_NEAR(number(toObject<cad::Solid>(group->entityAt(0))->measure()), 120.0 * 80 * 30, 1e-6);
    EXPECT_NEAR(number(toObject<cad::Solid>(group->entityAt(1))->measure()),
                std::numbers::pi * 36 * 40, 1e-6);
    EXPECT_THROW(group->entityAt(2), ProgramFailure);
    EXPECT_THROW(group->entityAt(5), ProgramFailure);
    EXPECT_THROW(group->entityAt(-1), ProgramFailure);
    EXPECT_THROW(groups->item("HOLES"), ProgramFailure);
    EXPECT_TRUE(state->running);
    EXPECT_FALSE(state->visible);

    // The pin beside the block takes no part: a sphere in the pin is clear of index 0.
    auto block = toObject<cad::Entity>(group->entityAt(0));
    EXPECT_TRUE(isNothing(block->checkInterference(sphere({-20, 40, 20}, 2), true)));
}

// A row added without its binding in the application's lists is answered by no COM face; the
// stand-in refuses it at once, so that the first native test of it shows the gap.
TEST_F(CadStandIn, AMemberRowOutsideTheListsIsRefusedByName) {
    static constexpr automation::Member kUnbound{.name = "AddLine"};
    try {
        state->faults.call(kUnbound);
        ADD_FAILURE() << "the stand-in answered an unbound row";
    } catch (const std::logic_error& refused) {
        EXPECT_NE(std::string(refused.what()).find("AddLine"), std::string::npos);
    }
}

TEST_F(CadStandIn, FaultsRefuseOrAnswerAndEveryCallIsCounted) {
    auto space = modelSpace();
    state->faults.failOn(cad::members::kAddSphere, 1);
    EXPECT_NO_THROW(space->addSphere({0, 0, 0}, 1));
    EXPECT_THROW(space->addSphere({0, 0, 0}, 1), ProgramFailure);
    EXPECT_EQ(state->drawing.entitiesOf(EntityKind::Sphere).size(), 1u);

    state->faults.answerOn(cad::members::kMeasure, cad::Value("abc"));
    space->addCircle({0, 0, 0}, 1);
    auto s = toObject<cad::Solid>(part()->entityAt(0));
    const auto answer = s->measure();
    EXPECT_EQ(std::get<std::string>(answer.storage()), "abc");

    state->faults.answerOn(cad::members::kModelSpace, cad::Value(std::int32_t{7}));
    EXPECT_THROW(toObject<cad::ModelSpace>(document()->modelSpace()), ProgramFailure);

    // A planned answer for an operation that returns nothing is ignored; a failure is not.
    state->faults.answerOn(cad::members::kFinish, cad::Value(true));
    EXPECT_NO_THROW(s->finish());
    state->faults.failOn(cad::members::kMarkCode);
    EXPECT_THROW(s->setMarkCode(1), ProgramFailure);
    state->faults.failOn(cad::members::kAttach);
    EXPECT_THROW(connector.attach(), ProgramFailure);

    EXPECT_EQ(state->faults.calls(cad::members::kAddSphere), 2u);
    EXPECT_EQ(state->faults.calls(cad::members::kAddCircle), 1u);
    EXPECT_EQ(state->faults.calls(cad::members::kMeasure), 1u);
    EXPECT_EQ(state->faults.calls(cad::members::kMarkCode), 1u);
    EXPECT_EQ(state->faults.calls(cad::members::kFinish), 1u);
    EXPECT_EQ(state->faults.calls(cad::members::kModelSpace), 2u);
    EXPECT_EQ(state->faults.calls(cad::members::kActiveDocument), 3u);
    EXPECT_EQ(state->faults.calls(cad::members::kAttach), 4u);
}

}  // namespace
}  // namespace standin
