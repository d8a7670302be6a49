// The program's window against a CAD stand-in in a process of its own that takes a call and does
// not finish it, as an application showing its own dialog from inside the call does: what the
// operator sees and can do while the press waits, and how the press ends.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "app/win32/form1.h"
#include "app/win32/tests/window_fixture.h"
#include "cad/api.h"
#include "com/apartment.h"
#include "com/busy_dialog.h"
#include "com/busy_retry.h"
#include "com/cad_connector.h"
#include "com/cmm_connector.h"
#include "standin/servers/tests/server_processes.h"
#include "windows/wide_text.h"

namespace win32test {
namespace {

using ::com::Variant;
using servertest::ServerProcesses;
using namespace std::chrono_literals;

// Both servers registered for the run; the CAD stand-in's class also names its executable, as
// the CAD application's installation does, which is how "Switch To" finds its window.
class Registration : public ::testing::Environment {
  public:
    void SetUp() override {
        ServerProcesses::registerBoth();
        const std::string cadClass =
            ServerProcesses::readClassesText(std::string(cad::members::kProgId) + "\\CLSID");
        localServer_ = "CLSID\\" + cadClass + "\\LocalServer32";
        std::string command = "\"";  // a quoted path, as installations write it
        command += win::toUtf8(ServerProcesses::cadImage());
        command += '"';
        ServerProcesses::writeClassesText(localServer_, command);
    }
    void TearDown() override {
        ServerProcesses::removeClassesKey(localServer_);
        ServerProcesses::unregisterBoth();
    }

  private:
    std::string localServer_;
};
const auto* const kRegistration = ::testing::AddGlobalTestEnvironment(new Registration);

bool topmost(HWND window) { return GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST; }

bool below(HWND window, HWND above) {
    for (HWND next = GetWindow(above, GW_HWNDNEXT); next; next = GetWindow(next, GW_HWNDNEXT))
        if (next == window) return true;
    return false;
}

// Waits for `condition`, checked every 100 ms; false when the bound passed first.
bool waitFor(const std::function<bool()>& condition, std::chrono::seconds bound = 60s) {
    const auto deadline = std::chrono::steady_clock::now() + bound;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        Sleep(100);
    }
    return true;
}

// A busy dialog as it showed, and the answers the operator gives, one a dialog.
struct ShownDialog {
    std::string caption;
    std::string text;
    HWND owner;
    bool ownerEnabled;
    bool ownerTopmost;
};

class BusyDialogAnswerer {
  public:
    explicit BusyDialogAnswerer(std::vector<int> buttons)
        : buttons_(std::move(buttons)),
          hook_(SetWindowsHookExW(WH_CBT, hook, nullptr, GetCurrentThreadId())) {
        current_ = this;
    }
    ~BusyDialogAnswerer() {
        UnhookWindowsHookEx(hook_);
        current_ = nullptr;
    }
    std::vector<ShownDialog> shown() {
        std::lock_guard lock(mutex_);
        return shown_;
    }
    std::size_t count() {
        std::lock_guard lock(mutex_);
        return shown_.size();
    }

  private:
    static LRESULT CALLBACK hook(int code, WPARAM wParam, LPARAM lParam) {
        HWND dialog = reinterpret_cast<HWND>(wParam);
        if (code == HCBT_ACTIVATE && current_ && className(dialog) == "#32770" &&
            GetDlgItem(dialog, ::com::kSwitchToButton)) {
            wchar_t text[1024]{};
            GetDlgItemTextW(dialog, ::com::kBusyText, text, 1024);
            HWND owner = GetWindow(dialog, GW_OWNER);
            std::lock_guard lock(current_->mutex_);
            const std::size_t n = current_->shown_.size();
            current_->shown_.push_back({windowText(dialog), win::toUtf8(text), owner,
                                        owner && IsWindowEnabled(owner), owner && topmost(owner)});
            const int button = n < current_->buttons_.size() ? current_->buttons_[n] : IDCANCEL;
            PostMessageW(GetDlgItem(dialog, button), BM_CLICK, 0, 0);
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static BusyDialogAnswerer* current_;
    std::vector<int> buttons_;
    HHOOK hook_;
    std::mutex mutex_;
    std::vector<ShownDialog> shown_;
};
BusyDialogAnswerer* BusyDialogAnswerer::current_ = nullptr;

// The program's window with its COM backends, against the stand-in servers as processes.
class StuckApplicationTest : public ::testing::Test {
  protected:
    void SetUp() override {
        servers.startCad();
        openWindow();
        ASSERT_TRUE(topmost(form->handle()));
    }
    void openWindow() {
        form = std::make_unique<app::win32::Form1>(cmm, cad);
        form->open(GetModuleHandleW(nullptr), SW_SHOWNORMAL);
        pump(form->handle());
    }
    void TearDown() override {
        letGo();
        form.reset();
        pump(nullptr);
        ::com::BusyRetry::setBound(::com::BusyRetry::kDefaultBound);
    }

    HWND control(std::string_view name) const { return form->control(name); }

    // Circles of the features at `items` (-1: all of them): the CAD phase ends with its status
    // text on a failure.
    void pressForCircles(LPARAM items = 0) {
        SendMessageW(control("List2"), LB_SETSEL, TRUE, items);
        postClickCentre(control("Option1"));
        postClickCentre(control("Command2"));
        pump(form->handle());
    }

    static LONG cadControlCall(const char* member, std::vector<Variant> args = {}) {
        return ServerProcesses::cadControl().callByName(member, std::move(args)).get().lVal;
    }
    static LONG cadControlCall(const char* member, Variant arg) {
        std::vector<Variant> args;
        args.push_back(std::move(arg));
        return cadControlCall(member, std::move(args));
    }
    static bool held() {
        Variant value = ServerProcesses::cadControl().getByName("Held");
        return value.get().vt == VT_BOOL && value.get().boolVal != VARIANT_FALSE;
    }
    void letGo() {
        if (servers.cadRunning()) cadControlCall("LetGo");
    }

    ::com::Apartment apartment;
    ServerProcesses servers;
    ::com::CmmConnector cmm;
    ::com::CadConnector cad;
    std::unique_ptr<app::win32::Form1> form;
};

TEST_F(StuckApplicationTest, APendingCallStepsAsideAsksOnInputSwitchesAndCancels) {
    BusyDialogAnswerer answerer({::com::kSwitchToButton, IDCANCEL});
    HWND window = form->handle();
    HWND cadWindow = FindWindowW(L"CmmPointsCadStandIn", nullptr);
    ASSERT_NE(cadWindow, nullptr);

    // The operator, while the press waits: sees the window step behind the application's, clicks
    // into it until asked, switches to the application, and cancels the next time.
    std::atomic<bool> sawHeld{false}, steppedBehind{false}, switched{false};
    std::atomic<LONG> objectsAtCancel{0};
    std::thread operatorThread([&] {
        ::com::Apartment own;
        // Once drawing has begun, so that the press holds objects of the application's own.
        waitFor([] { return cadControlCall("OperationCalls", Variant::text("AddCircle")) > 0; });
        cadControlCall("HoldNext", Variant::int32(1));
        sawHeld = waitFor(held);
        steppedBehind = waitFor([&] { return !topmost(window) && below(window, cadWindow); });
        for (std::size_t asked : {1u, 2u}) {
            waitFor([&] {
                PostMessageW(window, WM_KEYDOWN, VK_SPACE, 1);
                return answerer.count() >= asked;
            });
            if (asked == 1)
                switched = waitFor([&] { return GetForegroundWindow() == cadWindow; }, 20s);
        }
        // Windows ends the cancelled call at once; Wine's COM still waits for the application's
        // answer, so the stand-in lets the call go now.
        objectsAtCancel = cadControlCall("Objects");
        cadControlCall("LetGo");
    });
    pressForCircles(-1);
    operatorThread.join();

    EXPECT_TRUE(sawHeld) << "the stand-in took the call and held it";
    EXPECT_TRUE(steppedBehind) << "the window stepped behind the application's once it had waited";
    const auto shown = answerer.shown();
    ASSERT_EQ(shown.size(), 2u);
    for (const ShownDialog& dialog : shown) {
        EXPECT_EQ(dialog.caption, "Request Pending");
        EXPECT_EQ(dialog.text.rfind("AutoCAD has not finished", 0), 0u) << dialog.text;
        EXPECT_EQ(dialog.owner, window);
        EXPECT_FALSE(dialog.ownerEnabled) << "modal to the window";
        EXPECT_FALSE(dialog.ownerTopmost);
    }
    EXPECT_TRUE(switched) << "\"Switch To\" brought the CAD application's window forward";
    EXPECT_EQ(windowText(control("Label2")), "Can't Link to AutoCAD");
    EXPECT_TRUE(topmost(window)) << "back in the topmost band when the call ended";
    EXPECT_TRUE(IsWindowEnabled(window));

    form.reset();
    pump(nullptr);
    // Not one of the objects it had handed out came back released, as the press ended or the
    // window closed (the held call may have made one more).
    EXPECT_GE(cadControlCall("Objects"), objectsAtCancel.load())
        << "the cancelled application was called again to release its objects";

    openWindow();
    const std::string machine = windowText(control("Label2"));
    const std::size_t drawn = servers.cadDrawing().size();
    pressForCircles();
    EXPECT_EQ(windowText(control("Label2")), machine) << "the next press links afresh";
    EXPECT_GT(servers.cadDrawing().size(), drawn);
}

TEST_F(StuckApplicationTest, AnApplicationThatStaysBusyAsksPastTheBoundAndCancelEndsThePress) {
    ::com::BusyRetry::setBound(2s);
    BusyDialogAnswerer answerer({IDRETRY, IDCANCEL});
    cadControlCall("RejectNext", Variant::int32(1'000'000));

    pressForCircles();

    const auto shown = answerer.shown();
    ASSERT_EQ(shown.size(), 2u);
    for (const ShownDialog& dialog : shown) {
        EXPECT_EQ(dialog.caption, "Server Busy");
        EXPECT_EQ(dialog.text.rfind("AutoCAD is busy", 0), 0u) << dialog.text;
        EXPECT_EQ(dialog.owner, form->handle());
        EXPECT_FALSE(dialog.ownerTopmost);
    }
    EXPECT_EQ(windowText(control("Label2")), "Can't Link to AutoCAD");
    EXPECT_TRUE(topmost(form->handle()));
    cadControlCall("RejectNext", Variant::int32(0));
}

}  // namespace
}  // namespace win32test
