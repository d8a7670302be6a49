#include <gtest/gtest.h>

#include "cad/send_to_cad.h"
#include "standin/testing/press_fixture.h"

namespace {

using standin::DrawnEntity;
using standin::EntityKind;
using standin::EntityPtr;
using standin::geometry::Box;
using view::OptionButton;
using view::TextBox;

const std::string kPartCheckFailure = "Need Defined Group 'Part' for Check";

EntityPtr addBox(standin::Drawing& drawing, points::Point3 min, points::Point3 max) {
    DrawnEntity solid;
    solid.kind = EntityKind::Solid;
    solid.shape = Box{min, max};
    return drawing.add(solid);
}

// A part, the box from (0, 0, 0) to (10, 10, 10), probe radius 0.5 and tolerance 0.1.
class ToleranceCheckTest : public ::testing::Test {
  protected:
    void SetUp() override {
        part = addBox(f.cad->drawing, {0, 0, 0}, {10, 10, 10});
        f.cad->drawing.defineGroup("PART", {part});
        f.form.choose(OptionButton::Option5);
        f.form.texts[TextBox::Text3] = "0.1";
    }

    void check(const std::vector<std::string>& lines) {
        points::PointList& points = f.engine.points();
        points.clear();
        for (const auto& line : lines) points.append(line);
        cad::sendToCad(f.form, f.engine.cadLink(), points, {}, probeRadius);
    }

    // The spheres drawn, as (radius, marker code or -1, finished).
    std::vector<std::tuple<double, int, bool>> spheres() const {
        std::vector<std::tuple<double, int, bool>> result;
        for (const auto& e : f.drawn(EntityKind::Sphere)) {
            result.emplace_back(e->radius, e->markCode.value_or(-1), e->finished);
        }
        return result;
    }

    standin::testing::PressFixture f;
    double probeRadius = 0.0;
    EntityPtr part;
};

using Spheres = std::vector<std::tuple<double, int, bool>>;

TEST_F(ToleranceCheckTest, APointClearOfThePartIsMarkedOne) {
    check({"X=20 Y=20 Z=20"});
    EXPECT_EQ(spheres(), (Spheres{{0.6, 1, false}, {0.4, -1, false}, {0.5, 1, true}}));
    EXPECT_TRUE(f.drawn(EntityKind::InterferenceSolid).empty());
    EXPECT_TRUE(f.form.messages.empty());
}

TEST_F(ToleranceCheckTest, AnOuterSphereMeetingThePartMarksThreeAndSkipsTheInner) {
    check({"X=5 Y=5 Z=10.55"});
    EXPECT_EQ(spheres(), (Spheres{{0.6, 3, false}, {0.5, 3, true}}));
    const auto& all = f.cad->drawing.entities();
    ASSERT_EQ(all.size(), 4u);
    EXPECT_EQ(all[2]->kind, EntityKind::InterferenceSolid);
    EXPECT_TRUE(all[2]->discarded);
}

TEST_F(ToleranceCheckTest, ANegativeToleranceCanMeetWithTheInnerSphere) {
    f.form.texts[TextBox::Text3] = "-0.1";
    check({"X=5 Y=5 Z=10.55"});
    EXPECT_EQ(spheres(), (Spheres{{0.4, 1, false}, {0.6, -1, false}, {0.5, 3, true}}));
    ASSERT_EQ(f.cad->drawing.entities().size(), 5u);
    EXPECT_TRUE(f.cad->drawing.entities()[3]->discarded);
}

TEST_F(ToleranceCheckTest, EveryMarkerCarriesItsOwnPointsOutcome) {
    check({"X=20 Y=20 Z=20", "X=5 Y=5 Z=10.55", "X=-3 Y=5 Z=5"});
    std::vector<int> finals;
    for (const auto& [radius, code, finished] : spheres()) {
        if (finished) finals.push_back(code);
    }
    EXPECT_EQ(finals, (std::vector<int>{1, 3, 1}));
}

TEST_F(ToleranceCheckTest, RadiiFollowProbeAndTolerance) {
    f.form.texts[TextBox::Text1] = "2";
    check({"X=50 Y=50 Z=50"});
    EXPECT_EQ(spheres(), (Spheres{{1.1, 1, false}, {0.9, -1, false}, {1, 1, true}}));
}

TEST_F(ToleranceCheckTest, OnlyTheGroupsFirstEntityIsChecked) {
    auto far = addBox(f.cad->drawing, {100, 100, 100}, {110, 110, 110});
    f.cad->drawing.defineGroup("PART", {far, part});
    check({"X=5 Y=5 Z=10.55"});
    EXPECT_EQ(spheres(), (Spheres{{0.6, 1, false}, {0.4, -1, false}, {0.5, 1, true}}));
}

TEST_F(ToleranceCheckTest, AMissingPartEndsThePressWithOneMessageBeforeAnyMarker) {
    f.cad->drawing.defineGroup("PART", {});
    f.cad->drawing.defineGroup("OTHER", {part});
    for (int round = 0; round < 2; ++round) {
        f.form.messages.clear();
        check({"X=20 Y=20 Z=20", "X=30 Y=30 Z=30"});
        EXPECT_EQ(f.form.messages, (std::vector<std::string>{kPartCheckFailure}));
        EXPECT_TRUE(f.drawn(EntityKind::Sphere).empty());
        EXPECT_EQ(f.form.label2, "CMM-1");
        // Without the group at all, the same.
        f.cad->drawing = standin::Drawing();
    }
}

TEST_F(ToleranceCheckTest, AToleranceThatIsNotANumberFailsAtTheFirstLine) {
    for (const char* text : {"", "abc"}) {
        f.form.messages.clear();
        f.form.texts[TextBox::Text3] = text;
        check({"X=20 Y=20 Z=20"});
        EXPECT_EQ(f.form.messages, (std::vector<std::string>{kPartCheckFailure})) << text;
        EXPECT_TRUE(f.drawn(EntityKind::Sphere).empty());
    }
}

TEST_F(ToleranceCheckTest, AToleranceNotBelowTheRadiusMakesTheInnerSphereFail) {
    f.form.texts[TextBox::Text3] = "0.5";
    check({"X=20 Y=20 Z=20", "X=30 Y=30 Z=30"});
    EXPECT_EQ(f.form.messages, (std::vector<std::string>{kPartCheckFailure}));
    EXPECT_EQ(spheres(), (Spheres{{1.0, 1, false}}));
}

// Measure, then mark the outer sphere, then discard the solid: a refused call leaves what came
// before it done and what comes after it undone.
TEST_F(ToleranceCheckTest, AnOuterHitIsMeasuredMarkedThenDiscarded) {
    f.cad->faults.failOn(cad::members::kDiscard);
    check({"X=5 Y=5 Z=10.55"});
    EXPECT_EQ(f.form.messages, (std::vector<std::string>{kPartCheckFailure}));
    EXPECT_EQ(spheres(), (Spheres{{0.6, 3, false}}));
    ASSERT_EQ(f.drawn(EntityKind::InterferenceSolid).size(), 1u);
    EXPECT_FALSE(f.drawn(EntityKind::InterferenceSolid)[0]->discarded);

    f.cad->drawing = standin::Drawing();
    part = addBox(f.cad->drawing, {0, 0, 0}, {10, 10, 10});
    f.cad->drawing.defineGroup("PART", {part});
    f.cad->faults.clear();
    f.cad->faults.failOn(cad::members::kMarkCode);
    f.form.messages.clear();
    check({"X=5 Y=5 Z=10.55"});
    EXPECT_EQ(f.form.messages, (std::vector<std::string>{kPartCheckFailure}));
    EXPECT_EQ(spheres(), (Spheres{{0.6, -1, false}}));
    ASSERT_EQ(f.drawn(EntityKind::InterferenceSolid).size(), 1u);
    EXPECT_FALSE(f.drawn(EntityKind::InterferenceSolid)[0]->discarded);
    EXPECT_EQ(f.cad->faults.calls(cad::members::kMeasure), 2u);
}

TEST_F(ToleranceCheckTest, AnyLaterFailureIsThePartCheckFailure) {
    for (const automation::Member* op :
         {&cad::members::kCheckInterference, &cad::members::kMeasure, &cad::members::kDiscard,
          &cad::members::kMarkCode, &cad::members::kFinish}) {
        SCOPED_TRACE(op->name);
        f.cad->faults.clear();
        f.cad->faults.failOn(*op);
        f.form.messages.clear();
        check({"X=5 Y=5 Z=10.55"});
        EXPECT_EQ(f.form.messages, (std::vector<std::string>{kPartCheckFailure}));
        EXPECT_EQ(f.form.label2, "CMM-1");
    }
    f.cad->faults.clear();
    f.cad->faults.answerOn(cad::members::kMeasure, "much");
    f.form.messages.clear();
    check({"X=5 Y=5 Z=10.55"});
    EXPECT_EQ(f.form.messages, (std::vector<std::string>{kPartCheckFailure}));

    // An unreadable point line after the setup, too.
    f.cad->faults.clear();
    f.form.messages.clear();
    check({"X=20 Z=20"});
    EXPECT_EQ(f.form.messages, (std::vector<std::string>{kPartCheckFailure}));
    EXPECT_EQ(f.form.label2, "CMM-1");
}

}  // namespace
