// The cause of each failure report is kept with the status label, while the label and the
// message boxes read exactly their fixed texts.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "standin/testing/press_fixture.h"

namespace {

using standin::testing::PressFixture;

struct Row {
    const char* name;
    std::function<void(PressFixture&)> provoke;
    std::string status;                 // what Label2 reads after the press
    std::vector<std::string> messages;  // the boxes the press showed
    std::string report;                 // the fixed text the tip starts with
    std::string cause;                  // the failure's own text the tip goes on with
};

TEST(FailureCause, EachReportKeepsItsCauseAsTheStatusTipUntilTheMachineNameShowsAgain) {
    const std::vector<Row> rows = {
        {"the measurement link",
         [](PressFixture& f) { f.cmm->faults.failOn(cmm::members::kMachine); },
         "Can't Link to PC-DMIS",
         {},
         "Can't Link to PC-DMIS",
         "the stand-in refused the call"},
        {"a feature step, resumed",
         [](PressFixture& f) { f.cmm->faults.failOn(cmm::members::kFeaturePoint, 1); },
         "Can't Get Feature ",
         {},
         "Can't Get Feature ",
         "the stand-in refused the call"},
        {"the CAD link",
         [](PressFixture& f) { f.cad->running = false; },
         "Can't Link to AutoCAD",
         {},
         "Can't Link to AutoCAD",
         "no CAD application is running"},
        {"the tolerance check's message",
         [](PressFixture& f) { f.form.choose(view::OptionButton::Option5); },
         "CMM-1",
         {"Need Defined Group 'Part' for Check"},
         "Need Defined Group 'Part' for Check",
         "no group"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        PressFixture f;
        f.addFeature("F1", {{1, 2, 3}, {4, 5, 6}});
        f.form.selectFeatures({0});
        row.provoke(f);
        f.engine.press();
        EXPECT_EQ(f.form.label2, row.status);
        EXPECT_EQ(f.form.messages, row.messages);
        EXPECT_EQ(f.form.label2Tip.rfind(row.report + "\n", 0), 0u) << f.form.label2Tip;
        EXPECT_NE(f.form.label2Tip.find(row.cause), std::string::npos) << f.form.label2Tip;

        // Mended, the next press shows the machine name and the tip goes with the failure.
        f.cmm->faults.clear();
        f.cad->running = true;
        f.form.choose(view::OptionButton::Option1);
        f.form.messages.clear();
        f.engine.press();
        EXPECT_EQ(f.form.label2, "CMM-1");
        EXPECT_TRUE(f.form.messages.empty());
        EXPECT_EQ(f.form.label2Tip, "");
    }
}

}  // namespace
