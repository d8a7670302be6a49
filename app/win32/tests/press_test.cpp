#include <map>
#include <optional>
#include <sstream>
#include <thread>

#include "app/backends.h"
#include "app/control_table.h"
#include "app/win32/message_loop.h"
#include "app/win32/tests/window_fixture.h"
#include "windows/wide_text.h"

namespace win32test {
namespace {

using standin::DrawnEntity;
using standin::EntityKind;
using standin::testing::PressFixture;
using view::CheckBox;
using view::OptionButton;
using view::TextBox;

std::vector<std::string> listItems(HWND list) {
    std::vector<std::string> items;
    const auto count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t text[256]{};
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        items.push_back(win::toUtf8(text));
    }
    return items;
}

class StartUpTest : public WindowTest {};

TEST_F(StartUpTest, LinkedShowsMachineProbeDiameterAndTheFeaturesThatPassInCommandOrder) {
    f.cmm->probeRadius = 2.54;
    f.cmm->commands = {{"F1", "FEAT/POINT", {}},   {"FA", "FEAT/POINT", {}},
                       {"F", "FEAT/POINT", {}},    {"f2", "FEAT/POINT", {}},
                       {"PLN1", "FEAT/PLANE", {}}, {"F10", "FEAT/POINT", {}}};
    open();
    EXPECT_EQ(windowText(control("Label2")), "CMM-1");
    EXPECT_EQ(windowText(control("Text1")), "5.080000");
    EXPECT_EQ(listItems(control("List2")), (std::vector<std::string>{"F1", "F", "F10"}));
    EXPECT_EQ(SendMessageW(control("List2"), LB_GETSELCOUNT, 0, 0), 0);
    EXPECT_NE(form->engine().cmmLink().machine(), nullptr);
}

TEST_F(StartUpTest, NotLinkedLeavesTheProbeAndFeaturesEmptyAndTheWindowStillWorks) {
    f.addFeature("F1", {{1, 2, 3}});
    measurement.reset();  // no measurement application to create
    open();
    HWND window = form->handle();
    EXPECT_EQ(windowText(control("Label2")), "Can't Link to PC-DMIS");
    EXPECT_EQ(windowText(control("Text1")), "");
    EXPECT_EQ(SendMessageW(control("List2"), LB_GETCOUNT, 0, 0), 0);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_TRUE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST);

    postClickCentre(control("Command1"));
    pumpMessages();
    EXPECT_FALSE(IsWindow(window)) << "Close ends the program";
    EXPECT_TRUE(quitRequested());
}

// Tells whether the window was already on the screen when the measurement application was asked
// for.
class WatchingConnector : public cmm::Connector {
  public:
    explicit WatchingConnector(cmm::Connector& inner) : inner_(inner) {}
    cmm::Value create() override {
        HWND window = FindWindowW(app::win32::Form1::kClassName, nullptr);
        existed.push_back(window != nullptr);
        visible.push_back(window && IsWindowVisible(window));
        topmost.push_back(window && (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST));
        return inner_.create();
    }
    std::vector<bool> existed, visible, topmost;

  private:
    cmm::Connector& inner_;
};

TEST_F(StartUpTest, RunsAfterKeepOnTopAndBeforeTheWindowIsFirstShown) {
    WatchingConnector watching(cmm);
    form = std::make_unique<app::win32::Form1>(watching, cad);
    form->open(GetModuleHandleW(nullptr), SW_SHOWNORMAL);
    pumpMessages();
    EXPECT_EQ(watching.existed, std::vector<bool>{true});
    EXPECT_EQ(watching.visible, std::vector<bool>{false});
    EXPECT_EQ(watching.topmost, std::vector<bool>{true});
    EXPECT_TRUE(IsWindowVisible(form->handle()));
    EXPECT_EQ(windowText(control("Label2")), "CMM-1");
}

// The settings of one press as a user makes them in the window: features to select, the option
// of "Check Part With:", boxes to tick and texts to type.
struct Settings {
    std::vector<int> features;
    std::optional<OptionButton> option;
    std::vector<CheckBox> ticks;
    std::map<TextBox, std::string> texts;
};

const char* nameOf(OptionButton button) { return app::designerName(button); }

std::ostream& operator<<(std::ostream& out, const points::Point3& p) {
    return out << p[0] << ',' << p[1] << ',' << p[2];
}

std::string describe(const DrawnEntity& e) {
    std::ostringstream out;
    out << static_cast<int>(e.kind) << " centre " << e.centre << " r " << e.radius << " spline";
    for (double v : e.splinePoints) out << ' ' << v;
    out << " from " << e.splineStart << " to " << e.splineEnd << " mark "
        << (e.markCode ? std::to_string(*e.markCode) : "-") << (e.finished ? " finished" : "")
        << (e.discarded ? " discarded" : "");
    return out.str();
}

std::vector<std::string> describeDrawing(const PressFixture& p) {
    std::vector<std::string> entities;
    for (const auto& e : p.cad->drawing.entities()) entities.push_back(describe(*e));
    return entities;
}

// Whole presses through the real window against the COM stand-ins, each compared with the same
// press on the embedded stand-ins in memory.
class WindowPressTest : public WindowTest {
  protected:
    static void prepare(PressFixture& p, bool withPart = true) { p.addComparisonScene(withPart); }

    void pressBoth(const Settings& settings, bool withPart = true) {
        prepare(f, withPart);
        prepare(reference, withPart);

        reference.form.selectFeatures(settings.features);
        if (settings.option) reference.form.choose(*settings.option);
        for (CheckBox box : settings.ticks) reference.form.checks[box] = 1;
        for (const auto& [box, text] : settings.texts) reference.form.texts[box] = text;
        reference.press();

        open();
        HWND list2 = control("List2");
        for (int index : settings.features) {
            RECT item{};
            SendMessageW(list2, LB_GETITEMRECT, static_cast<WPARAM>(index),
                         reinterpret_cast<LPARAM>(&item));
            postClick(list2, {item.left + 4, (item.top + item.bottom) / 2}, MK_CONTROL);
        }
        if (settings.option) postClickCentre(control(nameOf(*settings.option)));
        for (CheckBox box : settings.ticks) postClickCentre(control(app::designerName(box)));
        for (const auto& [box, text] : settings.texts) {
            HWND edit = control(app::designerName(box));
            SendMessageW(edit, EM_SETSEL, 0, -1);  // typing replaces what start-up wrote
            postText(edit, text);
        }
        postClickCentre(control("Command2"));
        pumpMessages();
    }

    void expectSameAsEmbedded() {
        EXPECT_EQ(describeDrawing(f), describeDrawing(reference));
        EXPECT_EQ(windowText(control("Label2")), reference.form.label2);
        EXPECT_EQ(boxes.texts(), reference.form.messages);
        EXPECT_EQ(standin::testing::linesOf(form->engine().points()), reference.lines());
        // The hidden List1 carries the same lines and is still not shown.
        EXPECT_EQ(listItems(control("List1")), reference.lines());
        EXPECT_FALSE(IsWindowVisible(control("List1")));
        for (const ShownBox& box : boxes.shown()) {
            EXPECT_EQ(box.caption, "CMM Points");
            EXPECT_EQ(box.owner, form->handle());
            EXPECT_FALSE(box.ownerEnabled) << "the box is modal";
        }
    }

    PressFixture reference;
    MessageBoxAnswerer boxes;
};

TEST_F(WindowPressTest, SpheresWithShiftAndMirror) {
    pressBoth({{1, 3}, OptionButton::Option2, {CheckBox::Check7}, {{TextBox::Text6, "10"}}});
    expectSameAsEmbedded();
    const auto spheres = f.drawn(EntityKind::Sphere);
    ASSERT_EQ(spheres.size(), 5u);
    EXPECT_EQ(spheres[0]->centre, (points::Point3{11, 2, -3}));
    EXPECT_EQ(spheres[0]->radius, 0.5);
    EXPECT_EQ(windowText(control("Label2")), "CMM-1");
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_TRUE(f.cad->visible);
}

TEST_F(WindowPressTest, CirclesAndASplineWithTheDepthChangedToZero) {
    pressBoth({{1, 3}, std::nullopt, {CheckBox::Check4, CheckBox::Check3}, {}});
    expectSameAsEmbedded();
    EXPECT_EQ(f.drawn(EntityKind::Circle).size(), 5u);
    EXPECT_EQ(f.drawn(EntityKind::Circle)[0]->centre, (points::Point3{1, 2, 0}));
    ASSERT_EQ(f.drawn(EntityKind::Spline).size(), 1u);
}

TEST_F(WindowPressTest, SphereToleranceAgainstThePart) {
    pressBoth({{1, 3}, OptionButton::Option5, {}, {{TextBox::Text3, "0.1"}}});
    expectSameAsEmbedded();
    std::size_t discarded = 0;
    for (const auto& e : f.cad->drawing.entities())
        discarded += e->kind == EntityKind::InterferenceSolid && e->discarded;
    EXPECT_GT(discarded, 0u);
}

TEST_F(WindowPressTest, ToleranceWithoutAPartGroupShowsItsMessageBox) {
    pressBoth({{1}, OptionButton::Option5, {}, {{TextBox::Text3, "0.1"}}}, false);
    expectSameAsEmbedded();
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{"Need Defined Group 'Part' for Check"});
}

TEST_F(WindowPressTest, ATinyProbeWarnsAtEveryPointAndStillDraws) {
    pressBoth({{3}, std::nullopt, {}, {{TextBox::Text1, "0.0015"}}});
    expectSameAsEmbedded();
    EXPECT_EQ(boxes.texts(), (std::vector<std::string>{"Bad probe_radius", "Bad probe_radius"}));
    EXPECT_EQ(f.drawn(EntityKind::Circle).size(), 2u);
    for (const ShownBox& box : boxes.shown()) EXPECT_TRUE(box.busyCursor);
    EXPECT_NE(GetCursor(), LoadCursorW(nullptr, IDC_WAIT)) << "the press is over";
}

TEST_F(WindowPressTest, ASplineOfNothingSelectedIsRefusedAsALinkFailure) {
    pressBoth({{}, std::nullopt, {CheckBox::Check4}, {}});
    expectSameAsEmbedded();
    EXPECT_EQ(windowText(control("Label2")), "Can't Link to AutoCAD");
}

TEST(ProgramLifetimeTest, ComIsUninitialisedOnceTheWindowAndTheBackendsAreGone) {
    // A thread of its own, as the program's main thread: COM starts and ends with it.
    HRESULT whileOpen = E_FAIL, afterwards = E_FAIL;
    bool windowGone = false;
    std::thread program([&] {
        {
            app::Backends backends = app::makeBackends();
            app::win32::Form1 form(*backends.cmm, *backends.cad);
            form.open(GetModuleHandleW(nullptr), SW_SHOWNORMAL);
            whileOpen = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
            if (SUCCEEDED(whileOpen)) CoUninitialize();
            postClickCentre(form.control("Command1"));
            app::win32::runMessageLoop(form.handle());
            windowGone = !IsWindow(form.handle());
        }
        afterwards = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        if (SUCCEEDED(afterwards)) CoUninitialize();
    });
    program.join();
    EXPECT_EQ(whileOpen, S_FALSE) << "COM is in use while the window is open";
    EXPECT_TRUE(windowGone);
    EXPECT_EQ(afterwards, S_OK) << "nothing kept COM initialised";
}

}  // namespace
}  // namespace win32test
