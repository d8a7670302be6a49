#include "plot/feature_reader.h"

#include <gtest/gtest.h>

#include "standin/testing/press_fixture.h"

namespace {

using standin::testing::PressFixture;
using view::CheckBox;

const std::string kFeatureMessage = "Can't Get Feature ";

std::vector<points::Point3> row(int count, double z = 0.0) {
    std::vector<points::Point3> result;
    for (int i = 1; i <= count; ++i) result.push_back({double(i), double(i) * 2, z});
    return result;
}

class FeatureReaderTest : public ::testing::Test {
  protected:
    std::optional<points::SplineArrays> read() {
        return plot::readFeatures(f.form, f.engine.cmmLink(), f.engine.points());
    }
    PressFixture f;
};

TEST_F(FeatureReaderTest, ReadsOnlySelectedItemsInListOrder) {
    for (int i = 1; i <= 6; ++i) f.addFeature("F" + std::to_string(i), {{double(i), 0, 0}});
    f.engine.points().append("X=99 Y=99 Z=99");
    f.form.selectFeatures({1, 4});
    f.form.label2 = "stale";

    ASSERT_TRUE(read());
    EXPECT_EQ(f.lines(), (std::vector<std::string>{"X=2 Y=0 Z=0", "X=5 Y=0 Z=0"}));
    EXPECT_EQ(f.form.label2, "CMM-1");
    EXPECT_EQ(f.cmm->faults.calls(cmm::members::kCommandById), 2u);
}

TEST_F(FeatureReaderTest, NothingSelectedEmptiesTheListAndStillDraws) {
    f.addFeature("F1", row(3));
    f.engine.points().append("X=1 Y=2 Z=3");
    f.press();
    EXPECT_TRUE(f.lines().empty());
    EXPECT_EQ(f.cmm->faults.calls(cmm::members::kCommandById), 0u);
    EXPECT_EQ(f.form.label2, "CMM-1");
    EXPECT_EQ(f.cad->faults.calls(cad::members::kAttach), 1u);
}

TEST_F(FeatureReaderTest, EmptyCommandValueIsSkippedSilently) {
    f.addFeature("F1", row(2), "");
    f.addFeature("F2", row(1));
    f.form.selectFeatures({0, 1});
    read();
    EXPECT_EQ(f.lines(), (std::vector<std::string>{"X=1 Y=2 Z=0"}));
    EXPECT_EQ(f.form.label2, "CMM-1");
}

TEST_F(FeatureReaderTest, UnknownIdShowsTheMessageUntilTheNextFoundFeature) {
    f.addFeature("F1", row(1));
    f.form.features.push_back({"F9", false});  // no longer in the part program
    f.addFeature("F2", row(2));
    f.form.selectFeatures({0, 1, 2});
    f.cmm->machineName = "CMM-2";
    read();
    EXPECT_EQ(f.lines().size(), 3u);
    EXPECT_EQ(f.form.label2, "CMM-2");

    f.form.selectFeatures({0, 1});
    read();
    EXPECT_EQ(f.lines().size(), 1u);
    EXPECT_EQ(f.form.label2, kFeatureMessage);
}

TEST_F(FeatureReaderTest, FeatureMessageEndsWithTheFeatureBoxText) {
    f.form.features.push_back({"F9", true});
    f.form.texts[view::TextBox::Combo1] = "F9";
    read();
    EXPECT_EQ(f.form.label2, "Can't Get Feature F9");
}

TEST_F(FeatureReaderTest, LinkFailuresEndThePressBeforeTheListIsTouched) {
    f.addFeature("F1", row(2));
    f.form.selectFeatures({0});
    f.engine.points().append("X=1 Y=2 Z=3");
    f.cmm->installed = false;
    f.press();
    EXPECT_EQ(f.form.label2, "Can't Link to PC-DMIS");
    EXPECT_EQ(f.lines(), (std::vector<std::string>{"X=1 Y=2 Z=3"}));
    EXPECT_EQ(f.cad->faults.calls(cad::members::kAttach), 0u);

    // A failing machine 1 keeps the new application and the previous machine object.
    f.cmm->installed = true;
    ASSERT_TRUE(read());
    auto machine = f.engine.cmmLink().machine();
    auto application = f.engine.cmmLink().application();
    f.cmm->faults.failOn(cmm::members::kMachine);
    EXPECT_FALSE(read());
    EXPECT_EQ(f.form.label2, "Can't Link to PC-DMIS");
    EXPECT_EQ(f.engine.cmmLink().machine(), machine);
    EXPECT_NE(f.engine.cmmLink().application(), application);
}

TEST_F(FeatureReaderTest, FailuresSkipTheItemAndGoOn) {
    f.addFeature("F1", row(2));
    f.addFeature("F2", row(3));
    f.form.selectFeatures({0, 1});

    for (const automation::Member* op :
         {&cmm::members::kCommandValue, &cmm::members::kFeatureData, &cmm::members::kPointCount}) {
        SCOPED_TRACE(op->name);
        f.cmm->faults.clear();
        f.cmm->faults.resetCalls();
        f.cmm->faults.failOn(*op, 1);  // the second feature's call fails
        f.form.label2.clear();
        read();
        EXPECT_EQ(f.lines().size(), 2u);
        EXPECT_EQ(f.form.label2, kFeatureMessage);
    }

    // A point count beyond 16 bits skips the feature, nothing of it is listed.
    f.cmm->faults.clear();
    f.cmm->faults.resetCalls();
    f.cmm->faults.answerOn(cmm::members::kPointCount, std::int32_t{40000});
    read();
    EXPECT_TRUE(f.lines().empty());
    EXPECT_EQ(f.form.label2, kFeatureMessage);

    // Without a command collection every selected feature is skipped with the message.
    f.cmm->faults.clear();
    f.cmm->faults.resetCalls();
    f.cmm->faults.failOn(cmm::members::kCommands);
    read();
    EXPECT_TRUE(f.lines().empty());
    EXPECT_EQ(f.form.label2, kFeatureMessage);
    EXPECT_EQ(f.cmm->faults.calls(cmm::members::kCommandById), 0u);
}

TEST_F(FeatureReaderTest, AFailingPointIsLeftOutAndTheNextOneRead) {
    f.addFeature("F1", row(3));
    f.form.selectFeatures({0});
    f.cmm->faults.answerOn(cmm::members::kFeaturePoint, automation::Value{}, 1);  // no point object
    read();
    EXPECT_EQ(f.lines(), (std::vector<std::string>{"X=1 Y=2 Z=0"}));
    EXPECT_EQ(f.form.label2, kFeatureMessage);
}

TEST_F(FeatureReaderTest, AFullPointListKeepsItsLinesAndReportsTheRest) {
    f.addFeature("F1", row(points::PointList::kMaxLines));
    f.addFeature("F2", row(2, 7.0));
    f.form.selectFeatures({0, 1});
    read();
    ASSERT_EQ(f.engine.points().count(), points::PointList::kMaxLines);
    EXPECT_EQ(f.engine.points().lineAt(0), "X=1 Y=2 Z=0");
    EXPECT_EQ(f.engine.points().lineAt(points::PointList::kMaxLines - 1), "X=32767 Y=65534 Z=0");
    EXPECT_EQ(f.form.label2, kFeatureMessage);
}

class SplineArraysTest : public FeatureReaderTest {
  protected:
    void SetUp() override { f.form.checks[CheckBox::Check4] = 1; }
};

TEST_F(SplineArraysTest, HoldTheLastFeatureReadAndItsEnds) {
    f.addFeature("F1", row(2));
    f.addFeature("F2", row(4, 1.0));
    f.addFeature("F3", {{7, 8, 9}, {10, 11, 12}, {13, 14, 15}});
    f.form.selectFeatures({0, 1, 2});
    auto spline = read();
    ASSERT_TRUE(spline);
    EXPECT_EQ(spline->points, (std::vector<double>{7, 8, 9, 10, 11, 12, 13, 14, 15}));
    EXPECT_EQ(spline->start, (points::Point3{7, 8, 9}));
    EXPECT_EQ(spline->end, (points::Point3{13, 14, 15}));
    EXPECT_EQ(f.lines().size(), 9u);
}

TEST_F(SplineArraysTest, OnePointFillsBothEnds) {
    f.addFeature("F1", {{1.5, -2, 3}});
    f.form.selectFeatures({0});
    auto spline = read();
    EXPECT_EQ(spline->points, (std::vector<double>{1.5, -2, 3}));
    EXPECT_EQ(spline->start, (points::Point3{1.5, -2, 3}));
    EXPECT_EQ(spline->end, (points::Point3{1.5, -2, 3}));
}

TEST_F(SplineArraysTest, AnEmptyFeatureReportsAndKeepsTheArrays) {
    f.addFeature("F1", row(2));
    f.addFeature("F2", {});
    f.form.selectFeatures({0, 1});
    auto spline = read();
    EXPECT_EQ(f.form.label2, kFeatureMessage);
    EXPECT_EQ(spline->points, (std::vector<double>{1, 2, 0, 2, 4, 0}));
    EXPECT_EQ(spline->end, (points::Point3{2, 4, 0}));
}

TEST_F(SplineArraysTest, AFeatureBeyond10922PointsGetsItsOwnArray) {
    f.addFeature("F1", row(3, 5.0));
    f.addFeature("F2", row(12000, 1.0));
    f.form.selectFeatures({0, 1});
    auto spline = read();
    ASSERT_EQ(spline->points.size(), 36000u);
    EXPECT_EQ(spline->points[0], 1.0);
    EXPECT_EQ(spline->points[35997], 12000.0);
    EXPECT_EQ(spline->points[35999], 1.0);
    EXPECT_EQ(spline->start, (points::Point3{1, 2, 1}));
    EXPECT_EQ(spline->end, (points::Point3{12000, 24000, 1}));
    EXPECT_EQ(f.form.label2, "CMM-1");
}

TEST_F(SplineArraysTest, UncheckedLeavesThemUnallocatedAndZero) {
    f.form.checks[CheckBox::Check4] = 0;
    f.addFeature("F1", row(2));
    f.form.selectFeatures({0});
    auto spline = read();
    EXPECT_TRUE(spline->points.empty());
    EXPECT_EQ(spline->start, (points::Point3{0, 0, 0}));
    EXPECT_EQ(spline->end, (points::Point3{0, 0, 0}));
}

}  // namespace
