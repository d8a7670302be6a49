#include "app/form_engine.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "standin/cad.h"
#include "standin/cmm.h"
#include "standin/testing/press_fixture.h"
#include "view/testing/memory_form.h"

namespace {

// A measurement stand-in with a machine, a probe and the given command IDs, and an empty window.
struct StartUpFixture : ::testing::Test {
    std::shared_ptr<standin::CmmState> cmm = std::make_shared<standin::CmmState>();
    standin::CmmConnector connector{cmm};
    standin::CadConnector cadConnector{std::make_shared<standin::CadState>()};
    view::MemoryForm form;
    standin::testing::QuietShell shell;
    app::FormEngine engine{form, shell, connector, cadConnector};

    StartUpFixture() {
        cmm->machineName = "GLOBAL-7107";
        cmm->probeRadius = 0.5;
    }

    void program(const std::vector<std::string>& ids) {
        cmm->commands.clear();
        for (const auto& id : ids) cmm->commands.push_back({id, "FEAT/POINT", {{1.0, 2.0, 3.0}}});
    }

    void startUp() { engine.load(); }

    std::vector<std::string> featureList() const {
        std::vector<std::string> ids;
        for (const auto& feature : form.features) ids.push_back(feature.id);
        return ids;
    }
    std::string text1() const { return form.text(view::TextBox::Text1); }
};

TEST_F(StartUpFixture, LinkedShowsMachineDiameterAndKeepsTheLinks) {
    program({"F1"});
    startUp();
    EXPECT_EQ(form.label2, "GLOBAL-7107");
    EXPECT_EQ(text1(), "1.000000");
    EXPECT_EQ(featureList(), std::vector<std::string>{"F1"});
    EXPECT_TRUE(form.messages.empty());
    EXPECT_NE(engine.cmmLink().application(), nullptr);
    EXPECT_NE(engine.cmmLink().machine(), nullptr);
    EXPECT_DOUBLE_EQ(engine.probeRadius(), 0.5);
    EXPECT_FALSE(form.features[0].selected) << "start-up selects nothing";
}

TEST_F(StartUpFixture, ProbeDiameterIsFormattedWithSixDecimalsAndTheUsersSeparator) {
    struct Row {
        double radius;
        char separator;
        std::string expected;
    };
    const std::vector<Row> rows = {
        {0.5, '.', "1.000000"},       {2.54, '.', "5.080000"},      {0.5, ',', "1,000000"},
        {2.54, ',', "5,080000"},      {0.0, '.', "0.000000"},       {-0.25, '.', "-0.500000"},
        {0.0000004, '.', "0.000001"}, {1234.5, '.', "2469.000000"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.expected);
        cmm->probeRadius = row.radius;
        form = view::MemoryForm{};
        form.numberLocale.decimalSeparator = row.separator;
        startUp();
        EXPECT_EQ(text1(), row.expected);
        EXPECT_EQ(form.label2, "GLOBAL-7107");
    }
}

TEST_F(StartUpFixture, FeatureListKeepsOnlyCapitalFIdsInCommandOrder) {
    program({"F1", "FA", "F", "f2", "PLN1", "F10"});
    startUp();
    EXPECT_EQ(featureList(), (std::vector<std::string>{"F1", "F", "F10"}));

    program({"F-2", "Fb", "", "CIR1", "F23", "F23", "F@", "F\xc3\xa9"});
    form = view::MemoryForm{};
    startUp();
    EXPECT_EQ(featureList(), (std::vector<std::string>{"F-2", "F23", "F23", "F@"}))
        << "duplicates stay; '@' sorts before 'A', a non-ASCII character after it";
}

TEST_F(StartUpFixture, FeatureListIsAppendedToNotCleared) {
    program({"F5"});
    form.features.push_back({"OLD", false});
    startUp();
    EXPECT_EQ(featureList(), (std::vector<std::string>{"OLD", "F5"}));
}

TEST_F(StartUpFixture, EmptyPartProgramGivesAnEmptyListAndNoMessage) {
    program({});
    startUp();
    EXPECT_EQ(form.label2, "GLOBAL-7107");
    EXPECT_EQ(text1(), "1.000000");
    EXPECT_TRUE(form.features.empty());
    EXPECT_TRUE(form.messages.empty());
    EXPECT_EQ(cmm->faults.calls(cmm::members::kItem), 0u);
}

TEST_F(StartUpFixture, NoApplicationShowsTheLinkFailureAndWritesNothingElse) {
    program({"F1", "F2"});
    cmm->installed = false;
    startUp();
    EXPECT_EQ(form.label2, "Can't Link to PC-DMIS");
    EXPECT_EQ(text1(), "");
    EXPECT_TRUE(form.features.empty());
    EXPECT_TRUE(form.messages.empty()) << "a failed link shows no dialog";
    EXPECT_EQ(engine.cmmLink().application(), nullptr);
}

TEST_F(StartUpFixture, FailureAfterTheMachineNameReplacesItAndKeepsWhatWasWritten) {
    program({"F1", "F2", "F3", "F4"});

    struct Row {
        const char* what;
        const automation::Member& op;
        std::size_t afterCalls;
        std::string text1;
        std::vector<std::string> features;
    };
    const std::vector<Row> rows = {
        {"no machine 1", cmm::members::kMachine, 0, "", {}},
        {"machine name refused", cmm::members::kMachineName, 0, "", {}},
        {"no part program", cmm::members::kPartProgram, 0, "", {}},
        {"probe radius refused", cmm::members::kGetProbeRadius, 0, "", {}},
        {"count refused", cmm::members::kCount, 0, "1.000000", {}},
        {"third ID refused", cmm::members::kId, 2, "1.000000", {"F1", "F2"}},
        {"third item refused", cmm::members::kItem, 2, "1.000000", {"F1", "F2"}},
        {"part program refused in the loop", cmm::members::kPartProgram, 3, "1.000000", {"F1"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        cmm->faults.clear();
        cmm->faults.failOn(row.op, row.afterCalls);
        cmm->faults.resetCalls();
        form = view::MemoryForm{};
        startUp();
        EXPECT_EQ(form.label2, "Can't Link to PC-DMIS");
        EXPECT_EQ(text1(), row.text1);
        EXPECT_EQ(featureList(), row.features);
    }
}

TEST_F(StartUpFixture, ValuesThatCannotBeTakenAreLinkFailures) {
    program({"F1"});
    struct Row {
        const char* what;
        const automation::Member& op;
        automation::Value answer;
        std::string text1;
    };
    const std::vector<Row> rows = {
        {"count above 32,767", cmm::members::kCount, automation::Value(std::int32_t{40000}),
         "1.000000"},
        {"non-numeric radius", cmm::members::kGetProbeRadius, automation::Value("about half"), ""},
        {"radius whose double overflows", cmm::members::kGetProbeRadius,
         automation::Value(std::numeric_limits<double>::max()), ""},
        {"machine that is not an object", cmm::members::kMachine, automation::Value("M1"), ""},
        {"application that is not an object", cmm::members::kCreate, automation::Value(), ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        cmm->faults.clear();
        cmm->faults.answerOn(row.op, row.answer);
        form = view::MemoryForm{};
        startUp();
        EXPECT_EQ(form.label2, "Can't Link to PC-DMIS");
        EXPECT_EQ(text1(), row.text1);
        EXPECT_TRUE(form.features.empty());
    }
}

TEST_F(StartUpFixture, FullFeatureListIsALinkFailureKeepingWhatFits) {
    form.features.assign(32766, view::MemoryForm::Feature{"OLD", false});
    program({"F1", "F2", "F3"});
    startUp();
    ASSERT_EQ(form.features.size(), 32767u);
    EXPECT_EQ(form.features.back().id, "F1");
    EXPECT_EQ(form.label2, "Can't Link to PC-DMIS");
}

TEST_F(StartUpFixture, EachCommandCostsFourFreshRequests) {
    program({"F1", "PLN1", "F2"});
    startUp();
    const auto& calls = cmm->faults;
    EXPECT_EQ(calls.calls(cmm::members::kCreate), 1u);
    EXPECT_EQ(calls.calls(cmm::members::kMachine), 1u);
    EXPECT_EQ(calls.calls(cmm::members::kMachineName), 1u);
    EXPECT_EQ(calls.calls(cmm::members::kGetProbeRadius), 1u);
    EXPECT_EQ(calls.calls(cmm::members::kCount), 1u);
    // One part program for the radius, one for the count, then one per command.
    EXPECT_EQ(calls.calls(cmm::members::kPartProgram), 2u + 3u);
    EXPECT_EQ(calls.calls(cmm::members::kCommands), 1u + 3u);
    EXPECT_EQ(calls.calls(cmm::members::kItem), 3u);
    EXPECT_EQ(calls.calls(cmm::members::kId), 3u);
}

TEST(StartUpDemo, DemoPartProgramLinksAndListsItsFeatures) {
    auto cmm = std::make_shared<standin::CmmState>(standin::demoCmm());
    standin::CmmConnector connector{cmm};
    standin::CadConnector cad{std::make_shared<standin::CadState>()};
    view::MemoryForm form;
    standin::testing::QuietShell shell;
    app::FormEngine engine(form, shell, connector, cad);
    engine.load();
    EXPECT_EQ(form.label2, cmm->machineName);
    EXPECT_FALSE(form.features.empty());
    for (const auto& feature : form.features) EXPECT_EQ(feature.id.front(), 'F');
    EXPECT_LT(form.features.size(), cmm->commands.size())
        << "the demo has commands that are not features";
}

// A shell that counts how often the input waiting for the window was discarded.
struct CountingShell : standin::testing::QuietShell {
    void discardPendingInput() override { ++discarded; }
    int discarded = 0;
};

// A window whose next message box hands a click the operator queued before it to "Send To Acad",
// as a box's own message loop does.
struct ClickQueuedBeforeABox : view::MemoryForm {
    std::function<void()> clickSendToAcad;
    void showMessage(const std::string& text) override {
        MemoryForm::showMessage(text);
        if (auto click = std::exchange(clickSendToAcad, nullptr)) click();
    }
};

TEST(OnePressAtATime, AClickFromAMessageBoxStartsNoSecondPressAndTheNextClickPressesAgain) {
    struct Row {
        const char* what;
        std::string probeDiameter;
        view::OptionButton shape;
        std::vector<std::string> messages;  // of one press
        std::size_t entities;               // of one press
    };
    const std::vector<Row> rows = {
        {"a warning at each point, the press goes on",
         "0.0015",
         view::OptionButton::Option1,
         {"Bad probe_radius", "Bad probe_radius"},
         2},
        {"a failure that ends the press",
         "1",
         view::OptionButton::Option5,
         {"Need Defined Group 'Part' for Check"},
         0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        standin::testing::PressFixture p;
        p.addFeature("F1", {{1, 2, 3}, {4, 5, 6}});
        ClickQueuedBeforeABox form;
        form.features = p.form.features;
        form.selectFeatures({0});
        form.texts[view::TextBox::Text1] = row.probeDiameter;
        form.texts[view::TextBox::Text3] = "0.1";
        form.choose(row.shape);
        CountingShell shell;
        app::FormEngine engine(form, shell, p.cmmConnector, p.cadConnector);
        form.clickSendToAcad = [&] { engine.press(); };

        engine.press();
        EXPECT_EQ(form.messages, row.messages) << "the boxes of one press";
        EXPECT_EQ(p.cad->drawing.entities().size(), row.entities);
        EXPECT_EQ(shell.discarded, 1);

        engine.press();
        EXPECT_EQ(form.messages.size(), 2 * row.messages.size()) << "a second press runs";
        EXPECT_EQ(p.cad->drawing.entities().size(), 2 * row.entities);
        EXPECT_EQ(shell.discarded, 2);
    }
}

}  // namespace
