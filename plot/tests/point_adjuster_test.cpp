#include <gtest/gtest.h>

#include "plot/feature_reader.h"
#include "standin/testing/press_fixture.h"

namespace {

using standin::testing::PressFixture;
using view::CheckBox;
using view::OptionButton;
using view::TextBox;

class PointAdjusterTest : public ::testing::Test {
  protected:
    std::vector<std::string> readFeature(std::vector<points::Point3> points) {
        f.addFeature("F1", std::move(points));
        f.form.selectFeatures({0});
        plot::readFeatures(f.form, f.engine.cmmLink(), f.engine.points());
        return f.lines();
    }
    PressFixture f;
};

TEST_F(PointAdjusterTest, NoSettingsKeepThePoints) {
    EXPECT_EQ(readFeature({{1.25, -2, 3}}), (std::vector<std::string>{"X=1.25 Y=-2 Z=3"}));
}

TEST_F(PointAdjusterTest, ShiftComesBeforeMirror) {
    f.form.texts[TextBox::Text6] = "2.5";
    f.form.texts[TextBox::Text7] = " 1E-3 ";
    f.form.checks[CheckBox::Check5] = 1;
    EXPECT_EQ(readFeature({{1, 2, 3}}), (std::vector<std::string>{"X=-3.5 Y=2.001 Z=3"}));
}

TEST_F(PointAdjusterTest, ShiftReadsTheUsersDecimalSeparator) {
    f.form.numberLocale.decimalSeparator = ',';
    f.form.texts[TextBox::Text8] = "0,5";
    EXPECT_EQ(readFeature({{1, 2, 3}}), (std::vector<std::string>{"X=1 Y=2 Z=3,5"}));
}

TEST_F(PointAdjusterTest, ChangeOfDepthToZeroOverridesShift) {
    f.form.texts[TextBox::Text8] = "10";
    f.form.checks[CheckBox::Check3] = 1;
    EXPECT_EQ(readFeature({{1, 2, 3}, {4, 5, 6}}),
              (std::vector<std::string>{"X=1 Y=2 Z=0", "X=4 Y=5 Z=0"}));

    f.form.checks[CheckBox::Check1] = f.form.checks[CheckBox::Check2] = 1;
    plot::readFeatures(f.form, f.engine.cmmLink(), f.engine.points());
    EXPECT_EQ(f.lines(), (std::vector<std::string>{"X=0 Y=0 Z=0", "X=0 Y=0 Z=0"}));
}

TEST_F(PointAdjusterTest, StartPointFlattensToTheFeaturesFirstPoint) {
    f.form.choose(OptionButton::Option4);
    f.form.options[OptionButton::Option3] = false;
    f.form.checks[CheckBox::Check3] = 1;
    EXPECT_EQ(readFeature({{1, 1, 5}, {2, 2, 7}, {3, 3, 9}}),
              (std::vector<std::string>{"X=1 Y=1 Z=5", "X=2 Y=2 Z=5", "X=3 Y=3 Z=5"}));

    f.form.checks[CheckBox::Check7] = 1;
    plot::readFeatures(f.form, f.engine.cmmLink(), f.engine.points());
    EXPECT_EQ(f.lines(),
              (std::vector<std::string>{"X=1 Y=1 Z=-5", "X=2 Y=2 Z=-5", "X=3 Y=3 Z=-5"}));
}

TEST_F(PointAdjusterTest, EachFeatureTakesItsOwnStartPoint) {
    f.form.options[OptionButton::Option3] = false;
    f.form.checks[CheckBox::Check3] = 1;
    f.addFeature("F1", {{0, 0, 5}, {0, 0, 6}});
    f.addFeature("F2", {{0, 0, -1}, {0, 0, -2}});
    f.form.selectFeatures({0, 1});
    plot::readFeatures(f.form, f.engine.cmmLink(), f.engine.points());
    EXPECT_EQ(f.lines(), (std::vector<std::string>{"X=0 Y=0 Z=5", "X=0 Y=0 Z=5", "X=0 Y=0 Z=-1",
                                                   "X=0 Y=0 Z=-1"}));
}

TEST_F(PointAdjusterTest, StartPointWithNothingCheckedChangesNothing) {
    f.form.options[OptionButton::Option3] = false;
    EXPECT_EQ(readFeature({{1, 2, 3}, {4, 5, 6}}),
              (std::vector<std::string>{"X=1 Y=2 Z=3", "X=4 Y=5 Z=6"}));
}

TEST_F(PointAdjusterTest, AFailingStepIsDroppedAloneAndThePointStillListed) {
    f.form.texts[TextBox::Text6] = " ";  // not empty, not a number
    f.form.texts[TextBox::Text7] = "1";
    f.form.checks[CheckBox::Check7] = 1;
    EXPECT_EQ(readFeature({{1, 2, 3}}), (std::vector<std::string>{"X=1 Y=3 Z=-3"}));
    EXPECT_EQ(f.form.label2, "Can't Get Feature ");

    // An overflowing shift leaves the coordinate as it was.
    f.form.texts[TextBox::Text6] = "1E308";
    f.cmm->commands[0].points = {{1.7e308, 0, 0}};
    plot::readFeatures(f.form, f.engine.cmmLink(), f.engine.points());
    EXPECT_EQ(f.lines(), (std::vector<std::string>{"X=1.7E+308 Y=1 Z=0"}));
    EXPECT_EQ(f.form.label2, "Can't Get Feature ");

    // A point object that refuses writes keeps its values; the line is still written.
    f.form.texts[TextBox::Text6] = "1";
    f.cmm->faults.failOn(cmm::members::kWriteCoordinate);
    plot::readFeatures(f.form, f.engine.cmmLink(), f.engine.points());
    EXPECT_EQ(f.lines(), (std::vector<std::string>{"X=1.7E+308 Y=0 Z=0"}));
}

}  // namespace
