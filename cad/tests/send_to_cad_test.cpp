#include "cad/send_to_cad.h"

#include <gtest/gtest.h>

#include <limits>

#include "standin/testing/press_fixture.h"

namespace {

using standin::EntityKind;
using standin::testing::PressFixture;
using view::CheckBox;
using view::OptionButton;
using view::TextBox;

class SendToCadTest : public ::testing::Test {
  protected:
    // Draws the given point lines as the drawing phase alone.
    void draw(const std::vector<std::string>& lines, const points::SplineArrays& spline = {}) {
        points::PointList& points = f.engine.points();
        points.clear();
        for (const auto& line : lines) points.append(line);
        cad::sendToCad(f.form, f.engine.cadLink(), points, spline, probeRadius);
    }
    PressFixture f;
    double probeRadius = 0.0;
};

TEST_F(SendToCadTest, TypicalPressDrawsMirroredSpheresInOrder) {
    f.addFeature("F1", {{9, 9, 9}});
    f.addFeature("F3", {{1, 2, 3}, {4, 5, 6}});
    f.addFeature("F5", {{9, 9, 9}});
    f.addFeature("F7", {{-1.5, 20, 3.25}});
    f.form.selectFeatures({1, 3});
    f.form.checks[CheckBox::Check7] = 1;
    f.form.choose(OptionButton::Option2);

    f.press();

    const auto spheres = f.drawn(EntityKind::Sphere);
    ASSERT_EQ(spheres.size(), 3u);
    const std::vector<points::Point3> centres{{1, 2, -3}, {4, 5, -6}, {-1.5, 20, -3.25}};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(spheres[i]->centre, centres[i]);
        EXPECT_EQ(spheres[i]->radius, 0.5);
        EXPECT_TRUE(spheres[i]->finished);
    }
    EXPECT_EQ(f.cad->drawing.entities().size(), 3u);
    EXPECT_EQ(f.form.label2, "CMM-1");
    EXPECT_TRUE(f.form.messages.empty());
    EXPECT_TRUE(f.cad->visible);
    EXPECT_EQ(f.engine.cadLink().lastCircle(), nullptr);
}

// The largest doubles are written rounded up beyond the range; the press still draws them, at the
// largest double of their sign, and goes on to the next line.
TEST_F(SendToCadTest, TheLargestDoublesTravelThroughAWholePress) {
    const double max = std::numeric_limits<double>::max();
    f.addFeature("F1", {{max, -1.7976931348623151e308, 0}, {1, 2, 3}});
    f.form.selectFeatures({0});
    f.form.choose(OptionButton::Option2);

    f.press();

    EXPECT_EQ(f.lines(),
              (std::vector<std::string>{"X=1.79769313486232E+308 Y=-1.79769313486232E+308 Z=0",
                                        "X=1 Y=2 Z=3"}));
    const auto spheres = f.drawn(EntityKind::Sphere);
    ASSERT_EQ(spheres.size(), 2u);
    EXPECT_EQ(spheres[0]->centre, (points::Point3{max, -max, 0}));
    EXPECT_EQ(spheres[1]->centre, (points::Point3{1, 2, 3}));
    EXPECT_EQ(f.form.label2, "CMM-1");
    EXPECT_TRUE(f.form.messages.empty());
}

TEST_F(SendToCadTest, CirclesKeepTheLastOneAndFetchModelSpacePerEntity) {
    draw({"X=1 Y=1 Z=0", "X=2 Y=2 Z=0", "X=3 Y=3 Z=0"});
    const auto circles = f.drawn(EntityKind::Circle);
    ASSERT_EQ(circles.size(), 3u);
    EXPECT_EQ(circles[2]->centre, (points::Point3{3, 3, 0}));
    ASSERT_NE(f.engine.cadLink().lastCircle(), nullptr);
    f.engine.cadLink().lastCircle()->setMarkCode(7);
    EXPECT_EQ(circles[2]->markCode, 7);
    EXPECT_FALSE(circles[1]->markCode);
    EXPECT_EQ(f.cad->faults.calls(cad::members::kModelSpace), 3u);
    EXPECT_EQ(f.cad->faults.calls(cad::members::kActiveDocument), 1u);
}

TEST_F(SendToCadTest, NoCadApplicationKeepsThePointList) {
    f.addFeature("F1", {{1, 2, 3}});
    f.form.selectFeatures({0});
    f.cad->running = false;
    f.press();
    EXPECT_EQ(f.form.label2, "Can't Link to AutoCAD");
    EXPECT_EQ(f.lines(), (std::vector<std::string>{"X=1 Y=2 Z=3"}));
    EXPECT_TRUE(f.cad->drawing.entities().empty());
}

TEST_F(SendToCadTest, ProbeDiameterIsReadPerLineWithItsWarning) {
    f.form.choose(OptionButton::Option2);
    f.form.texts[TextBox::Text1] = "0.002";
    draw({"X=1 Y=1 Z=1", "X=2 Y=2 Z=2"});
    EXPECT_TRUE(f.form.messages.empty());
    EXPECT_EQ(probeRadius, 0.001);

    f.form.texts[TextBox::Text1] = " 0.0018 ";
    draw({"X=1 Y=1 Z=1", "X=2 Y=2 Z=2"});
    EXPECT_EQ(f.form.messages, (std::vector<std::string>{"Bad probe_radius", "Bad probe_radius"}));
    ASSERT_EQ(f.drawn(EntityKind::Sphere).size(), 4u);
    EXPECT_EQ(f.drawn(EntityKind::Sphere)[3]->radius, 0.0009);

    // A radius of zero is warned about, requested, and refused by the CAD application.
    f.form.messages.clear();
    f.form.texts[TextBox::Text1] = "0";
    draw({"X=1 Y=1 Z=1", "X=2 Y=2 Z=2"});
    EXPECT_EQ(f.form.messages, (std::vector<std::string>{"Bad probe_radius"}));
    EXPECT_EQ(f.form.label2, "Can't Link to AutoCAD");
}

TEST_F(SendToCadTest, ANonNumericProbeDiameterEndsThePressAfterTheAttach) {
    for (const char* text : {"", "abc", "1.5x"}) {
        f.form.label2 = "CMM-1";
        f.form.texts[TextBox::Text1] = text;
        draw({"X=1 Y=1 Z=1"});
        EXPECT_EQ(f.form.label2, "Can't Link to AutoCAD") << text;
    }
    EXPECT_EQ(f.cad->faults.calls(cad::members::kAttach), 3u);
    EXPECT_TRUE(f.cad->drawing.entities().empty());
}

TEST_F(SendToCadTest, AnUnreadableLineEndsThePressKeepingEarlierMarkers) {
    f.form.checks[CheckBox::Check4] = 1;
    points::SplineArrays spline{{0, 0, 0, 1, 1, 1}, {0, 0, 0}, {1, 1, 1}};
    draw({"X=1 Y=1 Z=1", "X=2 Z=2", "X=3 Y=3 Z=3"}, spline);
    EXPECT_EQ(f.form.label2, "Can't Link to AutoCAD");
    EXPECT_EQ(f.drawn(EntityKind::Circle).size(), 1u);
    EXPECT_TRUE(f.drawn(EntityKind::Spline).empty());
}

TEST_F(SendToCadTest, SplineGoesOutAfterTheMarkers) {
    f.form.checks[CheckBox::Check4] = 1;
    f.addFeature("F1", {{0, 0, 0}, {1, 2, 3}, {2, 4, 6}});
    f.form.selectFeatures({0});
    f.press();
    const auto splines = f.drawn(EntityKind::Spline);
    ASSERT_EQ(splines.size(), 1u);
    EXPECT_EQ(splines[0]->splinePoints, (std::vector<double>{0, 0, 0, 1, 2, 3, 2, 4, 6}));
    EXPECT_EQ(splines[0]->splineEnd, (points::Point3{2, 4, 6}));
    EXPECT_TRUE(splines[0]->finished);
    EXPECT_EQ(f.cad->drawing.entities().back(), splines[0]);
    EXPECT_EQ(f.form.label2, "CMM-1");
}

TEST_F(SendToCadTest, SplineRequestGoesOutEvenWithNothingRead) {
    f.form.checks[CheckBox::Check4] = 1;
    f.press();  // nothing selected: the point array was never allocated
    EXPECT_EQ(f.cad->faults.calls(cad::members::kAddSpline), 1u);
    EXPECT_EQ(f.form.label2, "Can't Link to AutoCAD");

    // A one-point feature's spline is refused too.
    f.addFeature("F1", {{1, 2, 3}});
    f.form.selectFeatures({0});
    f.press();
    EXPECT_EQ(f.drawn(EntityKind::Circle).size(), 1u);
    EXPECT_EQ(f.form.label2, "Can't Link to AutoCAD");
}

TEST_F(SendToCadTest, AThousandsOfPointsSplineIsDrawnWhole) {
    std::vector<points::Point3> points;
    for (int i = 0; i < 12000; ++i) points.push_back({double(i), 1, 2});
    f.form.checks[CheckBox::Check4] = 1;
    f.form.choose(OptionButton::Option2);
    f.addFeature("F1", points);
    f.form.selectFeatures({0});
    f.press();
    const auto splines = f.drawn(EntityKind::Spline);
    ASSERT_EQ(splines.size(), 1u);
    EXPECT_EQ(splines[0]->splinePoints.size(), 36000u);
    EXPECT_EQ(splines[0]->splineStart, (points::Point3{0, 1, 2}));
    EXPECT_EQ(splines[0]->splineEnd, (points::Point3{11999, 1, 2}));
}

TEST_F(SendToCadTest, EveryFailingOperationIsALinkFailure) {
    for (const automation::Member* op :
         {&cad::members::kVisible, &cad::members::kActiveDocument, &cad::members::kModelSpace,
          &cad::members::kAddCircle, &cad::members::kFinish}) {
        SCOPED_TRACE(op->name);
        f.cad->faults.clear();
        f.cad->faults.failOn(*op);
        f.form.label2 = "CMM-1";
        draw({"X=1 Y=1 Z=1"});
        EXPECT_EQ(f.form.label2, "Can't Link to AutoCAD");
    }
    // A result of the wrong kind fails as well.
    f.cad->faults.clear();
    f.cad->faults.answerOn(cad::members::kAddCircle, "circle");
    f.form.label2 = "CMM-1";
    draw({"X=1 Y=1 Z=1"});
    EXPECT_EQ(f.form.label2, "Can't Link to AutoCAD");
}

}  // namespace
