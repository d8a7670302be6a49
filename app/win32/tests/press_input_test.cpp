// Input given to the window while a press runs, with the program's COM backends against the
// stand-in servers in processes of their own, as on the shop floor: COM's wait for each answer
// and the press's message boxes run message loops of their own that see that input.
#include <chrono>
#include <functional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "app/win32/tests/window_fixture.h"
#include "com/apartment.h"
#include "com/cad_connector.h"
#include "com/cmm_connector.h"
#include "standin/drawing_text.h"
#include "standin/servers/tests/server_processes.h"
#include "standin/testing/press_fixture.h"
#include "windows/wide_text.h"

namespace win32test {
namespace {

using servertest::ServerProcesses;
using namespace std::chrono_literals;

constexpr auto kPressBound = 120s;

// Both servers are registered in this build's Wine prefix for the whole run, and removed after.
class Registration : public ::testing::Environment {
  public:
    void SetUp() override { ServerProcesses::registerBoth(); }
    void TearDown() override { ServerProcesses::unregisterBoth(); }
};
const auto* const kRegistration = ::testing::AddGlobalTestEnvironment(new Registration);

// The program's CAD connector, giving the test a moment inside the press: each press attaches to
// the CAD application before it draws.
class AttachWatch : public cad::Connector {
  public:
    explicit AttachWatch(cad::Connector& inner) : inner_(inner) {}
    cad::Value attach() override {
        if (auto act = std::exchange(whenNextAttaching, nullptr)) act();
        return inner_.attach();
    }
    std::function<void()> whenNextAttaching;

  private:
    cad::Connector& inner_;
};

// Input the operator gives "Send To Acad" while a press runs, and when.
enum class When { PressStarts, FirstBoxComes };
struct Row {
    const char* name;
    void (*give)(HWND sendToAcad);
    When when;
    const char* probeDiameter;
};

void PrintTo(const Row& row, std::ostream* out) { *out << row.name; }

void click(HWND sendToAcad) { postClickCentre(sendToAcad); }
void enter(HWND sendToAcad) { postKey(sendToAcad, VK_RETURN); }
// What accessibility and macro tools send: no input at all.
void bmClick(HWND sendToAcad) { PostMessageW(sendToAcad, BM_CLICK, 0, 0); }

const Row kRows[] = {
    {"ClickWhilePressing", click, When::PressStarts, "4.000000"},
    {"EnterWhilePressing", enter, When::PressStarts, "4.000000"},
    {"ButtonClickMessageWhilePressing", bmClick, When::PressStarts, "4.000000"},
    {"ClickQueuedBeforeABadProbeRadiusBox", click, When::FirstBoxComes, "0.0015"},
};

const std::vector<int> kFeatures{0, 1};  // F1 and F2 of the demo part program

class PressInputTest : public ::testing::TestWithParam<Row> {
  protected:
    void SetUp() override {
        servers.startCad();
        *reference.cmm = standin::demoCmm();
        *reference.cad = standin::demoCad();
        reference.form = view::MemoryForm();
        reference.engine.load();
        reference.form.selectFeatures(kFeatures);
        reference.form.texts[view::TextBox::Text1] = GetParam().probeDiameter;
    }
    void TearDown() override {
        form.reset();   // the window lets go of both applications
        pump(nullptr);  // and its WM_QUIT goes
    }

    // Opens the window, selects the features and sets the probe as the reference has them.
    void open() {
        form = std::make_unique<app::win32::Form1>(cmm, watch);
        form->open(GetModuleHandleW(nullptr), SW_SHOWNORMAL);
        pump(form->handle());
        for (int index : kFeatures)
            SendMessageW(form->control("List2"), LB_SETSEL, TRUE, static_cast<LPARAM>(index));
        SetWindowTextW(form->control("Text1"), win::toWide(GetParam().probeDiameter).c_str());
    }

    // A click on "Send To Acad", and the window's messages until none are left.
    void clickSendToAcad() {
        postClickCentre(form->control("Command2"));
        servertest::withinBound(kPressBound, "the press", [&] { pump(form->handle()); });
    }

    ::com::Apartment apartment;
    ServerProcesses servers;
    ::com::CmmConnector cmm;
    ::com::CadConnector cad;
    AttachWatch watch{cad};
    std::unique_ptr<app::win32::Form1> form;
    MessageBoxAnswerer boxes;
    standin::testing::PressFixture reference;
};

TEST_P(PressInputTest, DrawsOnePressAndTheWindowPressesAgainAfter) {
    const Row& row = GetParam();
    open();
    HWND sendToAcad = form->control("Command2");
    const auto give = [&] { row.give(sendToAcad); };
    if (row.when == When::PressStarts) watch.whenNextAttaching = give;
    if (row.when == When::FirstBoxComes) boxes.whenNextShown = give;

    clickSendToAcad();
    reference.press();
    EXPECT_EQ(servers.cadDrawing(), standin::drawingLines(reference.cad->drawing));
    EXPECT_EQ(boxes.texts(), reference.form.messages);
    EXPECT_EQ(windowText(form->control("Label2")), reference.form.label2);
    EXPECT_EQ(watch.whenNextAttaching, nullptr) << "the input was given during the press";
    EXPECT_EQ(boxes.whenNextShown, nullptr) << "the input was given during the press";

    clickSendToAcad();
    reference.press();
    EXPECT_EQ(servers.cadDrawing(), standin::drawingLines(reference.cad->drawing));
    EXPECT_EQ(boxes.texts(), reference.form.messages);
}

INSTANTIATE_TEST_SUITE_P(InputDuringAPress, PressInputTest, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace win32test
