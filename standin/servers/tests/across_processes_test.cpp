// The program's COM backends against the stand-in servers running as processes of their own, the
// way the real applications run: everything crosses the process boundary, marshalled by the
// system from the registered type library.
#include <gmock/gmock.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/form_engine.h"
#include "cmm/api.h"
#include "com/apartment.h"
#include "com/busy_retry.h"
#include "com/cad_connector.h"
#include "com/cad_model_space.h"
#include "com/cmm_connector.h"
#include "com/result.h"
#include "com/safe_array.h"
#include "com/tests/failure_of.h"
#include "standin/drawing_text.h"
#include "standin/servers/tests/server_processes.h"
#include "standin/testing/press_fixture.h"
#include "view/testing/memory_form.h"

namespace servertest {
namespace {

using ::com::Variant;
using standin::testing::linesOf;
using standin::testing::PressFixture;
using ::testing::HasSubstr;
using view::CheckBox;
using view::OptionButton;
using view::TextBox;
using namespace std::chrono_literals;

constexpr auto kPressBound = 120s;
const std::vector<std::string> kDemoFeatures{"F1", "F2", "F3", "F4", "F5", "F6", "F", "F7", "F10"};

// Both servers are registered in this build's Wine prefix for the whole run, and removed after.
class Registration : public ::testing::Environment {
  public:
    void SetUp() override { ServerProcesses::registerBoth(); }
    void TearDown() override { ServerProcesses::unregisterBoth(); }
};
const auto* const kRegistration = ::testing::AddGlobalTestEnvironment(new Registration);

using comtest::failureOf;

// Makes a server end at once, as in a crash, in the middle of the call that brings `operation`
// to `afterCalls` calls.
void dieOn(const ::com::Dispatch& control, const char* operation, int afterCalls) {
    std::vector<Variant> args;
    args.push_back(Variant::text(operation));
    args.push_back(Variant::int32(afterCalls));
    control.callByName("DieOn", std::move(args));
}

long numberOf(const ::com::Dispatch& control, const char* property) {
    Variant value = control.getByName(property);
    return value.get().vt == VT_I4 ? value.get().lVal : -1;
}

std::size_t countOf(const std::vector<std::string>& lines, const std::string& part) {
    std::size_t n = 0;
    for (const auto& line : lines) n += line.find(part) != std::string::npos;
    return n;
}

// A window in memory with the program's COM backends; the CAD stand-in is started for each test
// and the measurement stand-in by COM at the first link. The reference is the same window on the
// embedded stand-ins with the same demo part program and drawing.
class AcrossProcesses : public ::testing::Test {
  protected:
    void SetUp() override {
        ::com::BusyRetry::setBound(3s);
        servers.startCad();
        *reference.cmm = standin::demoCmm();
        *reference.cad = standin::demoCad();
        reference.form = view::MemoryForm();
        engine.emplace(form, shell, cmm, cad);
    }
    void TearDown() override {
        DWORD measurement = 0;
        try {
            measurement = servers.cmmProcess();
        } catch (const points::ProgramFailure&) {
        }
        engine.reset();  // the window lets go of its references
        if (measurement && !ServerProcesses::endsWithin(measurement, 30s)) {
            ADD_FAILURE() << "the measurement stand-in did not end after its last object";
            if (HANDLE p = OpenProcess(PROCESS_TERMINATE, FALSE, measurement)) {
                TerminateProcess(p, 9);
                CloseHandle(p);
            }
        }
        ::com::BusyRetry::setBound(::com::BusyRetry::kDefaultBound);
    }

    void startUp() {
        withinBound(kPressBound, "start-up", [&] { engine->load(); });
    }
    void press() {
        withinBound(kPressBound, "the press", [&] { engine->press(); });
    }

    // Starts both windows up, applies the same settings to both and presses both.
    void pressBoth(const std::function<void(view::MemoryForm&)>& settings) {
        startUp();
        reference.engine.load();
        settings(form);
        settings(reference.form);
        press();
        reference.press();
    }

    void expectTheReferenceDrawing() {
        EXPECT_EQ(servers.cadDrawing(), standin::drawingLines(reference.cad->drawing));
        EXPECT_EQ(linesOf(engine->points()), reference.lines());
        EXPECT_EQ(form.label2, reference.form.label2);
        EXPECT_EQ(form.messages, reference.form.messages);
    }

    ::com::Apartment apartment;
    ServerProcesses servers;
    view::MemoryForm form;
    standin::testing::QuietShell shell;
    ::com::CmmConnector cmm;
    ::com::CadConnector cad;
    std::optional<app::FormEngine> engine;
    PressFixture reference;
};

using WholePressAcrossProcesses = AcrossProcesses;

TEST_F(WholePressAcrossProcesses, StartUpShowsTheDemoMachineProbeAndFeatures) {
    startUp();
    EXPECT_EQ(form.label2, "Demo CMM 7.10");
    EXPECT_EQ(form.text(TextBox::Text1), "2.000000");
    std::vector<std::string> ids;
    for (const auto& feature : form.features) ids.push_back(feature.id);
    EXPECT_EQ(ids, kDemoFeatures);
}

// The run names the servers' bitness (CMM_POINTS_SERVER_BITS, this program's own when unset), so
// that a run against the other build's servers certainly crosses bitness.
TEST_F(WholePressAcrossProcesses, TheServersRunAtTheBitnessTheRunNames) {
    const char* named = std::getenv("CMM_POINTS_SERVER_BITS");
    const int expected = named ? std::atoi(named) : static_cast<int>(sizeof(void*) * 8);
    EXPECT_EQ(ServerProcesses::bitnessOf(servers.cadProcess()), expected) << "CAD stand-in";
    startUp();
    HANDLE measurement =
        OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, servers.cmmProcess());
    ASSERT_NE(measurement, nullptr);
    EXPECT_EQ(ServerProcesses::bitnessOf(measurement), expected) << "measurement stand-in";
    CloseHandle(measurement);
}

TEST_F(WholePressAcrossProcesses, CirclesDrawTheSameAsTheEmbeddedPress) {
    pressBoth([](view::MemoryForm& w) { w.selectFeatures({0, 2, 4}); });  // F5 has no value
    expectTheReferenceDrawing();
    EXPECT_EQ(countOf(servers.cadDrawing(), "circle centre"), 20u);
    EXPECT_EQ(form.label2, "Demo CMM 7.10");
}

TEST_F(WholePressAcrossProcesses, SpheresWithShiftAndMirrorDrawTheSameAsTheEmbeddedPress) {
    pressBoth([](view::MemoryForm& w) {
        w.selectFeatures({1, 5});
        w.choose(OptionButton::Option2);
        w.texts[TextBox::Text6] = "10";
        w.checks[CheckBox::Check7] = 1;
    });
    expectTheReferenceDrawing();
    EXPECT_EQ(countOf(servers.cadDrawing(), "sphere centre"), 11u);
}

TEST_F(WholePressAcrossProcesses, CirclesWithSplineDrawTheSameAsTheEmbeddedPress) {
    pressBoth([](view::MemoryForm& w) {
        w.selectFeatures({7});
        w.checks[CheckBox::Check4] = 1;
    });
    expectTheReferenceDrawing();
    const auto drawing = servers.cadDrawing();
    EXPECT_EQ(countOf(drawing, "circle centre"), 16u);
    ASSERT_EQ(countOf(drawing, "spline centre"), 1u);
    EXPECT_THAT(drawing.back(), ::testing::StartsWith("spline"));
    EXPECT_THAT(drawing.back(), HasSubstr("finished"));
}

TEST_F(WholePressAcrossProcesses, SphereToleranceMeetingAndMissingDrawsTheSame) {
    pressBoth([](view::MemoryForm& w) {
        w.selectFeatures({0, 2});
        w.choose(OptionButton::Option5);
        w.texts[TextBox::Text3] = "0.05";
    });
    expectTheReferenceDrawing();
    const auto drawing = servers.cadDrawing();
    // Both outcomes occur: finished markers coded 1 (missing) and 3 (meeting), and discarded
    // interference solids for the spheres that met the part.
    EXPECT_GT(countOf(drawing, "mark 1 finished"), 0u);
    EXPECT_GT(countOf(drawing, "mark 3 finished"), 0u);
    EXPECT_GT(countOf(drawing, "discarded"), 0u);
    EXPECT_TRUE(form.messages.empty());
}

using LinkAcrossProcesses = AcrossProcesses;

TEST_F(LinkAcrossProcesses, NoCmmClassRegisteredCannotLinkToPcDmis) {
    ASSERT_EQ(ServerProcesses::run(ServerProcesses::cmmImage(), L"/unregserver"), 0u);
    startUp();
    EXPECT_EQ(form.label2, "Can't Link to PC-DMIS");
    EXPECT_TRUE(form.features.empty());
    form.label2.clear();
    press();
    EXPECT_EQ(form.label2, "Can't Link to PC-DMIS");
    EXPECT_EQ(servers.cadDrawing().size(), 3u) << "the demo drawing only";

    ASSERT_EQ(ServerProcesses::run(ServerProcesses::cmmImage(), L"/regserver"), 0u);
    form = view::MemoryForm();
    startUp();
    EXPECT_EQ(form.label2, "Demo CMM 7.10");
}

TEST_F(LinkAcrossProcesses, NoCadProcessCannotLinkToAutoCadUntilOneIsStarted) {
    servers.quitCad();
    startUp();
    form.selectFeatures({1});
    press();
    EXPECT_EQ(form.label2, "Can't Link to AutoCAD");
    EXPECT_EQ(linesOf(engine->points()).size(), 1u) << "the point list keeps what was read";

    servers.startCad();
    press();
    EXPECT_EQ(form.label2, "Demo CMM 7.10");
    EXPECT_EQ(countOf(servers.cadDrawing(), "circle centre"), 1u);
}

using DeathAcrossProcesses = AcrossProcesses;

TEST_F(DeathAcrossProcesses, CadKilledBetweenPressesFailsTheNextPressUntilRestarted) {
    startUp();
    form.selectFeatures({1});
    press();
    ASSERT_EQ(countOf(servers.cadDrawing(), "circle centre"), 1u);

    servers.killCad();
    press();
    EXPECT_EQ(form.label2, "Can't Link to AutoCAD");

    servers.startCad();
    form.label2 = "Demo CMM 7.10";
    press();
    EXPECT_EQ(form.label2, "Demo CMM 7.10");
    EXPECT_EQ(countOf(servers.cadDrawing(), "circle centre"), 1u);
}

TEST_F(DeathAcrossProcesses, CmmKilledBetweenPressesIsStartedAnewByTheNextLink) {
    startUp();
    form.selectFeatures({1});
    press();
    const DWORD first = servers.cmmProcess();
    servers.killCmm();

    // Every press creates the application anew. Windows starts a new server for it; Wine hands
    // out the dead one's registration, and the link fails as the press reports it.
    form.label2.clear();
    press();
    if (form.label2 == "Can't Link to PC-DMIS") {
        EXPECT_EQ(linesOf(engine->points()).size(), 1u) << "the point list keeps its lines";
        EXPECT_EQ(countOf(servers.cadDrawing(), "circle centre"), 1u);
        ServerProcesses::serveCmmUnderAFreshClass();
        press();
    }
    EXPECT_EQ(form.label2, "Demo CMM 7.10");
    EXPECT_NE(servers.cmmProcess(), first);
    EXPECT_EQ(countOf(servers.cadDrawing(), "circle centre"), 2u);
}

TEST_F(DeathAcrossProcesses, CmmKilledInTheMiddleOfAPressKeepsWhatWasRead) {
    startUp();
    dieOn(servers.cmmControl(), "FeaturePoint", 11);
    form.selectFeatures({0, 2});  // F1 with 8 points, F3 with 12
    press();
    // The eleventh point fails with the process, and every call after it: the feature message,
    // then the CAD phase draws what was read.
    EXPECT_EQ(form.label2, "Can't Get Feature ");
    EXPECT_EQ(linesOf(engine->points()).size(), 10u);
    EXPECT_EQ(countOf(servers.cadDrawing(), "circle centre"), 10u);

    // The window stays usable: the next press links to a new server and reads everything.
    ServerProcesses::serveCmmUnderAFreshClass();
    press();
    EXPECT_EQ(form.label2, "Demo CMM 7.10");
    EXPECT_EQ(linesOf(engine->points()).size(), 20u);
}

TEST_F(DeathAcrossProcesses, CadKilledInTheMiddleOfAPressEndsItAsALinkFailure) {
    startUp();
    dieOn(servers.cadControl(), "AddSphere", 5);
    form.selectFeatures({0});
    form.choose(OptionButton::Option2);
    press();
    EXPECT_EQ(form.label2, "Can't Link to AutoCAD");
    EXPECT_EQ(linesOf(engine->points()).size(), 8u);
    EXPECT_FALSE(servers.cadRunning());

    servers.startCad();
    form.label2 = "Demo CMM 7.10";
    press();
    EXPECT_EQ(form.label2, "Demo CMM 7.10");
    EXPECT_EQ(countOf(servers.cadDrawing(), "sphere centre"), 8u);
}

using ArgumentsAcrossProcesses = AcrossProcesses;

TEST_F(ArgumentsAcrossProcesses, TheCadServerReceivesOneDimensionalArraysOfThreeDoubles) {
    auto application = automation::toObject<cad::Application>(cad.attach());
    auto document = automation::toObject<cad::Document>(application->activeDocument());
    auto space = automation::toObject<::com::CadModelSpace>(document->modelSpace());
    const auto& dispatch = space->dispatch();

    const auto addSphere = [&](VARIANT centre, Variant radius) {
        std::vector<Variant> args(2);
        VariantCopy(args[0].receive(), &centre);
        args[1] = std::move(radius);
        return failureOf([&] { dispatch.callByName("AddSphere", std::move(args)); });
    };
    const auto arrayOf = [](VARTYPE type, std::vector<SAFEARRAYBOUND> bounds) {
        return SafeArrayCreate(type, static_cast<UINT>(bounds.size()), bounds.data());
    };
    // Owned by the test for the calls; each goes by reference as the program passes arrays.
    SAFEARRAY* two = arrayOf(VT_R8, {{2, 0}});
    SAFEARRAY* fromOne = arrayOf(VT_R8, {{3, 1}});
    SAFEARRAY* square = arrayOf(VT_R8, {{3, 0}, {3, 0}});
    SAFEARRAY* integers = arrayOf(VT_I4, {{3, 0}});
    SAFEARRAY* good = arrayOf(VT_R8, {{3, 0}});
    const auto byReference = [](SAFEARRAY** array, VARTYPE type) {
        VARIANT v;
        VariantInit(&v);
        v.vt = VT_ARRAY | VT_BYREF | type;
        v.pparray = array;
        return v;
    };
    for (SAFEARRAY** wrong : {&two, &fromOne, &square})
        EXPECT_THAT(addSphere(byReference(wrong, VT_R8), Variant::real(1)),
                    AllOf(HasSubstr("0x80020005"), HasSubstr("argument 1")));
    EXPECT_THAT(addSphere(byReference(&integers, VT_I4), Variant::real(1)),
                HasSubstr("argument 1"));
    VARIANT byValue;
    VariantInit(&byValue);
    byValue.vt = VT_ARRAY | VT_R8;
    byValue.parray = good;
    EXPECT_THAT(addSphere(byValue, Variant::real(1)), HasSubstr("argument 1"));
    EXPECT_THAT(addSphere(byReference(&good, VT_R8), Variant::text("1")), HasSubstr("argument 2"));
    EXPECT_EQ(servers.cadDrawing().size(), 3u) << "nothing wrong was drawn";
    for (SAFEARRAY* a : {two, fromOne, square, integers, good}) SafeArrayDestroy(a);

    // What the program sends arrives intact, also a spline of two points.
    space->addSphere({1.25, -2.5, 1e-9}, 0.75);
    space->addSpline({0, 0, 0, 1, 2, 3}, {0.5, 0, 0}, {0, 0, 0.5});
    const auto drawing = servers.cadDrawing();
    ASSERT_EQ(drawing.size(), 5u);
    EXPECT_THAT(drawing[3],
                HasSubstr("sphere centre 1.25 -2.5 1.0000000000000001e-09 radius 0.75"));
    EXPECT_THAT(drawing[4], HasSubstr("spline [0 0 0 1 2 3] start 0.5 0 0 end 0 0 0.5"));
    EXPECT_THAT(failureOf([&] {
                    space->addSpline({0, 0, 0, 1}, {0, 0, 0}, {0, 0, 0});
                }),
                HasSubstr("argument 1"));
}

TEST_F(ArgumentsAcrossProcesses, TheCmmServerReceivesTheTablesArgumentTypes) {
    auto application = automation::toObject<::com::ComObject>(cmm.create());
    const auto& dispatch = application->dispatch();
    std::vector<Variant> wide;
    wide.push_back(Variant::int32(1));  // machine 1 takes a 16-bit integer
    EXPECT_THAT(failureOf([&] { dispatch.call(cmm::members::kMachine, std::move(wide)); }),
                HasSubstr("0x80020005"));
    auto commands = automation::toObject<cmm::PartProgram>(
                        automation::toObject<cmm::Application>(cmm.create())->partProgram())
                        ->commands();
    const auto& collection = automation::toObject<::com::ComObject>(commands)->dispatch();
    std::vector<Variant> byValue;
    byValue.push_back(Variant::int16(1));  // Item takes its position by reference
    EXPECT_THAT(failureOf([&] { collection.callByName("Item", std::move(byValue)); }),
                HasSubstr("0x80020005"));
    std::int16_t position = 3;
    auto command = automation::toObject<cmm::CommandCollection>(commands)->item(position);
    EXPECT_EQ(std::get<std::string>(automation::toObject<cmm::Command>(command)->id().storage()),
              "F1");
}

TEST_F(ArgumentsAcrossProcesses, ResultsOfTheWrongKindFailAsTheirPhaseReports) {
    startUp();
    form.selectFeatures({0, 1});
    std::vector<Variant> answer;
    answer.push_back(Variant::text("PointCount"));
    answer.push_back(Variant::int32(40000));  // over 16 bits
    answer.push_back(Variant::int32(0));
    servers.cmmControl().callByName("AnswerOn", std::move(answer));
    std::vector<Variant> notASolid;
    notASolid.push_back(Variant::text("AddSphere"));
    notASolid.push_back(Variant::real(5));
    notASolid.push_back(Variant::int32(0));
    servers.cadControl().callByName("AnswerOn", std::move(notASolid));
    form.choose(OptionButton::Option2);
    form.checks[CheckBox::Check4] = 0;
    press();
    EXPECT_TRUE(linesOf(engine->points()).empty());
    EXPECT_EQ(form.label2, "Can't Get Feature ");

    servers.cmmControl().callByName("ClearFaults");
    press();
    EXPECT_EQ(linesOf(engine->points()).size(), 9u);
    EXPECT_EQ(form.label2, "Can't Link to AutoCAD") << "a number where a sphere belongs";
}

using ReferencesAcrossProcesses = AcrossProcesses;

TEST_F(ReferencesAcrossProcesses, AfterTheWindowLetsGoTheServersHoldNothingOfThePress) {
    pressBoth([](view::MemoryForm& w) {
        w.selectFeatures({0, 2, 7});
        w.choose(OptionButton::Option5);
        w.texts[TextBox::Text3] = "0.05";
        w.checks[CheckBox::Check4] = 1;
    });
    const DWORD measurement = servers.cmmProcess();
    EXPECT_GT(numberOf(servers.cadControl(), "Objects"), 1);

    engine.reset();
    // Only the application object in the running object table stays.
    EXPECT_EQ(numberOf(servers.cadControl(), "Objects"), 1);
    EXPECT_TRUE(ServerProcesses::endsWithin(measurement, 30s))
        << "the measurement stand-in ends by itself";
}

using BusyAcrossProcesses = AcrossProcesses;

TEST_F(BusyAcrossProcesses, TheMessageFilterIsRegisteredAndRejectedCallsAreRetried) {
    IMessageFilter* registered = nullptr;
    ASSERT_EQ(CoRegisterMessageFilter(nullptr, &registered), S_OK);
    EXPECT_NE(registered, nullptr) << "the apartment registers the busy-retrying filter";
    IMessageFilter* none = nullptr;
    CoRegisterMessageFilter(registered, &none);
    if (registered) registered->Release();

    // A server that answers "rejected" from the call itself: retried until it answers.
    startUp();
    std::vector<Variant> count;
    count.push_back(Variant::int32(3));
    servers.cadControl().callByName("RejectNext", std::move(count));
    form.selectFeatures({1});
    press();
    EXPECT_EQ(form.label2, "Demo CMM 7.10");
    EXPECT_EQ(countOf(servers.cadDrawing(), "circle centre"), 1u);
    EXPECT_EQ(numberOf(servers.cadControl(), "Rejected"), 3);
}

}  // namespace
}  // namespace servertest
