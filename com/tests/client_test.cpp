#include <gmock/gmock.h>

#include <chrono>
#include <functional>
#include <string>

#include "cmm/api.h"
#include "com/cad_application.h"
#include "com/message_filter.h"
#include "com/safe_array.h"
#include "com/tests/com_press_fixture.h"
#include "com/tests/failure_of.h"

namespace comtest {
namespace {

using ::com::BusyRetry;
using ::com::Variant;
using standin::EntityKind;
using ::testing::HasSubstr;
using view::OptionButton;

class ClientTest : public ComPressFixture {
  protected:
    std::shared_ptr<cmm::Application> cmmApplication() {
        return automation::toObject<cmm::Application>(cmm.create());
    }
    std::shared_ptr<::com::CadModelSpace> modelSpace() {
        auto application = automation::toObject<cad::Application>(cad.attach());
        auto document = automation::toObject<cad::Document>(application->activeDocument());
        return automation::toObject<::com::CadModelSpace>(document->modelSpace());
    }
};

TEST_F(ClientTest, ObjectsThatDoNotAnswerToTheInterfaceAreFailures) {
    f.cmm->faults.answerOn(cmm::members::kMachine, std::make_shared<automation::Object>());
    EXPECT_THAT(failureOf([&] { cmmApplication()->machine(1); }),
                AllOf(HasSubstr("member 16"), HasSubstr("{72555404-EC03-11D1-94C4-0060084043B5}")));
    startUp();
    EXPECT_EQ(f.form.label2, "Can't Link to PC-DMIS");

    // A circle where a sphere (a solid) is expected: it answers to the entity interface only.
    auto embedded = automation::toObject<cad::Application>(f.cadConnector.attach());
    auto document = automation::toObject<cad::Document>(embedded->activeDocument());
    auto space = automation::toObject<cad::ModelSpace>(document->modelSpace());
    f.cad->faults.answerOn(cad::members::kAddSphere, space->addCircle({0, 0, 0}, 1));
    EXPECT_THAT(failureOf([&] {
                    modelSpace()->addSphere({0, 0, 0}, 1);
                }),
                AllOf(HasSubstr("AddSphere"), HasSubstr("{2928D49A-CA93-11D1-B60F-0060B087E235}")));

    f.cmm->faults.clear();
    f.cad->faults.clear();
    f.cad->faults.answerOn(cad::members::kGroupsItem, std::make_shared<automation::Object>());
    f.form.choose(OptionButton::Option5);
    f.form.texts[view::TextBox::Text3] = "0.1";
    f.addFeature("F1", {{1, 2, 3}});
    f.form.selectFeatures({0});
    press();
    EXPECT_EQ(f.form.messages, std::vector<std::string>{"Need Defined Group 'Part' for Check"});
    EXPECT_TRUE(f.drawn(EntityKind::Sphere).empty());
}

TEST_F(ClientTest, RefusedCallsNameTheMemberAndCarryTheServersReason) {
    f.cad->faults.failOn(cad::members::kAddCircle);
    EXPECT_THAT(failureOf([&] {
                    modelSpace()->addCircle({0, 0, 0}, 1);
                }),
                AllOf(HasSubstr("AddCircle"), HasSubstr("refused")));
    f.cad->faults.failOn(cad::members::kFinish);
    auto sphere = automation::toObject<cad::Solid>(modelSpace()->addSphere({0, 0, 0}, 1));
    EXPECT_THAT(failureOf([&] { sphere->finish(); }), HasSubstr("Finish"));
    f.cad->faults.failOn(cad::members::kMeasure);
    EXPECT_THAT(failureOf([&] { sphere->measure(); }), HasSubstr("Measure"));
    // The stand-in refuses a radius of zero or less, as a CAD application does.
    EXPECT_THAT(failureOf([&] { modelSpace()->addSphere({0, 0, 0}, 0); }), HasSubstr("AddSphere"));
}

TEST_F(ClientTest, ABusyServerThatAcceptsAfterAFewRejectionsSucceeds) {
    measurement->control().rejectNext = 4;
    startUp();
    EXPECT_EQ(f.form.label2, "CMM-1");
    EXPECT_EQ(measurement->control().rejected, 4u);

    f.addFeature("F1", {{1, 2, 3}});
    f.form.selectFeatures({0});
    f.form.choose(OptionButton::Option2);
    drawing->control().rejectNext = 3;  // lands on the attach's calls and the direct members
    press();
    EXPECT_EQ(f.form.label2, "CMM-1");
    EXPECT_EQ(drawing->control().rejected, 3u);
    ASSERT_EQ(f.drawn(EntityKind::Sphere).size(), 1u);
    EXPECT_TRUE(f.drawn(EntityKind::Sphere)[0]->finished);
}

TEST_F(ClientTest, AServerThatStaysBusyIsLeftWhenTheOperatorCancelsAndARejectionAtOnce) {
    EXPECT_EQ(BusyRetry::kDefaultBound, std::chrono::seconds(10));
    BusyRetry::setBound(std::chrono::milliseconds(300));
    std::vector<std::string> asked;
    ::com::BusyOperator answers;
    answers.ask = [&](::com::BusyPrompt, const ::com::OutsideApplication& application) {
        asked.emplace_back(application.name);
        return asked.size() == 1 ? ::com::BusyAnswer::Retry : ::com::BusyAnswer::Cancel;
    };
    ::com::MessageFilter::ofThisThread()->answerWith(answers);
    auto application = cmmApplication();
    measurement->control().rejectNext = 1'000'000;

    std::string failure = failureOf([&] { application->machine(1); });

    EXPECT_THAT(failure, AllOf(HasSubstr("member 16"), HasSubstr("0x80010002")));  // cancelled
    EXPECT_EQ(asked, (std::vector<std::string>{"PC-DMIS", "PC-DMIS"}));
    // Retried with a pause between the tries rather than spun, and past the first answer.
    const std::size_t rejected = measurement->control().rejected;
    EXPECT_GE(rejected, 3u);
    EXPECT_LE(rejected, 100u);
    // Cancelled for good: that link calls the application no more.
    EXPECT_THAT(failureOf([&] { application->machine(1); }), HasSubstr("0x80010002"));
    EXPECT_EQ(measurement->control().rejected, rejected);

    measurement->control().rejection = RPC_E_CALL_REJECTED;
    measurement->control().rejected = 0;
    failure = failureOf([&] { cmmApplication()->machine(1); });
    EXPECT_THAT(failure, AllOf(HasSubstr("member 16"), HasSubstr("0x80010001")));
    EXPECT_EQ(measurement->control().rejected, 1u);
    EXPECT_EQ(asked.size(), 2u);
}

// The stand-in checks argument types as strictly as a real server's type library, so that the
// whole presses above prove the client sends what the members declare.
TEST_F(ClientTest, TheServerRejectsArgumentsOfTheWrongShape) {
    const auto spaceObject = modelSpace();
    const auto& space = spaceObject->dispatch();
    auto call = [&](Variant centre, Variant radius) {
        std::vector<Variant> args;
        args.push_back(std::move(centre));
        args.push_back(std::move(radius));
        return failureOf([&] { space.callByName("AddSphere", std::move(args)); });
    };
    ::com::SafeArray two({1.0, 2.0});
    ::com::SafeArray three({1.0, 2.0, 3.0});
    EXPECT_THAT(call(Variant::doubleArrayRef(two.address()), Variant::real(1)),
                AllOf(HasSubstr("AddSphere"), HasSubstr("argument 1")));
    EXPECT_THAT(call(Variant::real(1), Variant::doubleArrayRef(three.address())),
                HasSubstr("argument 1"));
    EXPECT_THAT(call(Variant::doubleArrayRef(three.address()), Variant::int32(1)),
                HasSubstr("argument 2"));
    EXPECT_TRUE(f.cad->drawing.entities().empty());

    auto application = cmmApplication();
    const auto& app = dynamic_cast<::com::ComObject&>(*application).dispatch();
    std::vector<Variant> wide;
    wide.push_back(Variant::int32(1));  // the machine number is declared 16-bit
    EXPECT_THAT(failureOf([&] { app.call(cmm::members::kMachine, std::move(wide)); }),
                HasSubstr("machine"));
    EXPECT_EQ(f.cmm->faults.calls(cmm::members::kMachine), 0u);
}

}  // namespace
}  // namespace comtest
