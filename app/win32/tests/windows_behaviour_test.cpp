// What Windows' COM and window manager do while a press waits on an outside application, played
// against the real window, message filter and busy retry (Wine does none of it): the CAD
// application is an object of this test whose first call, or last release, plays the row's
// documented behaviour to the thread's message filter; the busy dialogs are the real ones,
// answered by a hook.
#include <ole2.h>
#include <windows.h>

#include <atomic>
#include <memory>
#include <optional>
#include <thread>

#include "app/win32/tests/window_fixture.h"
#include "com/cad_application.h"
#include "com/cad_members.h"
#include "com/message_filter.h"
#include "com/result.h"
#include "standin/cmm.h"

namespace win32test {
namespace {

constexpr DWORD kGiveUp = static_cast<DWORD>(-1);

bool topmost(HWND window) { return GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST; }

bool below(HWND window, HWND above) {
    for (HWND next = GetWindow(above, GW_HWNDNEXT); next; next = GetWindow(next, GW_HWNDNEXT))
        if (next == window) return true;
    return false;
}

// The application's main window and the dialog it shows, on a thread of their own.
class ApplicationWindows {
  public:
    ApplicationWindows() {
        std::thread([this] {
            main = CreateWindowExW(0, L"Static", L"Application", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                   60, 60, 400, 300, nullptr, nullptr, nullptr, nullptr);
            SetActiveWindow(CreateWindowExW(0, L"Static", L"Its dialog",
                                            WS_POPUP | WS_CAPTION | WS_VISIBLE, 90, 90, 200, 100,
                                            main, nullptr, nullptr, nullptr));
            thread = GetCurrentThreadId();
            MSG message;
            while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
            DestroyWindow(main);
        }).swap(pumping_);
        while (!thread) Sleep(10);
    }
    ~ApplicationWindows() {
        PostThreadMessageW(thread, WM_QUIT, 0, 0);
        pumping_.join();
    }
    HTASK task() const { return reinterpret_cast<HTASK>(static_cast<UINT_PTR>(thread)); }
    HWND main = nullptr;
    std::atomic<DWORD> thread = 0;

  private:
    std::thread pumping_;
};

class WindowsBehaviourTest;
enum class Moment { FirstCall, LastRelease };
struct Row {
    const char* name;
    Moment moment;
    HRESULT (*play)(WindowsBehaviourTest&);
    int button;  // the operator's answer to the one box the row shows; 0 for none
    const char* status;
};

// The CAD application: every call answers at once, with itself as an object result, except at
// the row's moment. Whatever reaches it after the operator's Cancel is counted.
class PlayedApplication final : public IDispatch {
  public:
    explicit PlayedApplication(WindowsBehaviourTest& test) : test_(test) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        *out = iid == IID_IUnknown || iid == IID_IDispatch ? this : nullptr;
        if (!*out) return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID* ids) override {
        reachedAfterCancel += cancelled;
        ids[0] = 1;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result,
                                     EXCEPINFO*, UINT*) override;

    ULONG references = 0;
    int invokes = 0, reachedAfterCancel = 0;
    bool cancelled = false;

  private:
    WindowsBehaviourTest& test_;
};

class PlayedConnector : public cad::Connector {
  public:
    explicit PlayedConnector(PlayedApplication& application) : application_(application) {}
    cad::Value attach() override {
        return ::com::objectResult<::com::CadApplication>(
            ::com::Variant::dispatch(&application_), nullptr, "attach",
            std::make_shared<::com::Link>(&::com::cad_members::kApplication));
    }

  private:
    PlayedApplication& application_;
};

class WindowsBehaviourTest : public ::testing::Test {
  public:
    // What the operator sees of the window while the call waits past the step-aside point.
    void notePlace() {
        misplaced |= topmost(window) || !below(window, GetLastActivePopup(application.main));
    }
    ::com::MessageFilter& filter() { return *::com::MessageFilter::ofThisThread(); }

    // "Retry later" until the filter gives up, when COM fails the call with `result`, or until
    // the operator answered the box, after which the application takes the call.
    template <HRESULT result>
    static HRESULT busy(WindowsBehaviourTest& test) {
        for (DWORD elapsed = 0;; elapsed += 100) {
            if (test.filter().RetryRejectedCall(test.application.task(), elapsed,
                                                SERVERCALL_RETRYLATER) == kGiveUp)
                return result;
            if (elapsed >= 3'100) test.notePlace();
            if (test.boxes > 0) return S_OK;
        }
    }
    // The operator clicks "Close" while the application stays busy.
    static HRESULT closeWhileBusy(WindowsBehaviourTest& test) {
        postClickCentre(test.form->control("Command1"));
        return busy<RPC_E_CALL_REJECTED>(test);
    }
    // The operator clicks into the window once it has stepped aside.
    static HRESULT activated(WindowsBehaviourTest& test) {
        test.filter().MessagePending(test.application.task(), 3'100, PENDINGTYPE_TOPLEVEL);
        SendMessageW(test.window, WM_ACTIVATE, WA_CLICKACTIVE, 0);
        test.notePlace();
        return S_OK;
    }
    // The operator types during a long wait; a cancelled call fails at once.
    static HRESULT pending(WindowsBehaviourTest& test) {
        PostThreadMessageW(GetCurrentThreadId(), WM_KEYDOWN, VK_SPACE, 1);
        const DWORD answer =
            test.filter().MessagePending(test.application.task(), 5'100, PENDINGTYPE_TOPLEVEL);
        return answer == PENDINGMSG_CANCELCALL ? RPC_E_CALL_CANCELED : S_OK;
    }

    static LRESULT CALLBACK answer(int code, WPARAM wParam, LPARAM lParam) {
        HWND box = reinterpret_cast<HWND>(wParam);
        if (code == HCBT_ACTIVATE && className(box) == "#32770" &&
            GetDlgItem(box, ::com::kSwitchToButton)) {
            ++running->boxes;
            HWND owner = GetWindow(box, GW_OWNER);
            if (owner && topmost(owner)) running->misplaced = true;
            running->played.cancelled = running->row->button == IDCANCEL;
            PostMessageW(GetDlgItem(box, running->row->button), BM_CLICK, 0, 0);
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static WindowsBehaviourTest* running;
    const Row* row = nullptr;
    ApplicationWindows application;
    PlayedApplication played{*this};
    std::unique_ptr<app::win32::Form1> form;
    HWND window = nullptr;
    int boxes = 0;
    bool misplaced = false;
};
WindowsBehaviourTest* WindowsBehaviourTest::running = nullptr;

ULONG PlayedApplication::Release() {
    reachedAfterCancel += cancelled;
    if (--references == 0 && test_.row->moment == Moment::LastRelease) test_.row->play(test_);
    return references;
}

HRESULT PlayedApplication::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result,
                                  EXCEPINFO*, UINT*) {
    reachedAfterCancel += cancelled;
    if (invokes++ == 0 && test_.row->moment == Moment::FirstCall) {
        if (const HRESULT answer = test_.row->play(test_); answer != S_OK) return answer;
    }
    if (result) {
        result->vt = VT_DISPATCH;
        result->pdispVal = this;
        AddRef();
    }
    return S_OK;
}

using T = WindowsBehaviourTest;
const Row kRows[] = {
    {"an activation while a call waits", Moment::FirstCall, T::activated, 0, "CMM-1"},
    {"Cancel on busy, COM fails the call as rejected", Moment::FirstCall,
     T::busy<RPC_E_CALL_REJECTED>, IDCANCEL, "Can't Link to AutoCAD"},
    {"Cancel on busy, COM fails the call as retry later", Moment::FirstCall,
     T::busy<RPC_E_SERVERCALL_RETRYLATER>, IDCANCEL, "Can't Link to AutoCAD"},
    {"Close clicked before the busy box, Retry", Moment::FirstCall, T::closeWhileBusy, IDRETRY,
     "CMM-1"},
    {"Cancel on a pending call, COM fails it as cancelled", Moment::FirstCall, T::pending, IDCANCEL,
     "Can't Link to AutoCAD"},
    {"Cancel on a pending last release", Moment::LastRelease, T::pending, IDCANCEL, "CMM-1"},
};

TEST_F(WindowsBehaviourTest, TheOperatorIsNeverTrapped) {
    auto measurement = std::make_shared<standin::CmmState>();
    measurement->machineName = "CMM-1";
    standin::CmmConnector cmm(measurement);
    PlayedConnector cad(played);
    running = this;
    HHOOK hook = SetWindowsHookExW(WH_CBT, answer, nullptr, GetCurrentThreadId());
    for (const Row& current : kRows) {
        SCOPED_TRACE(current.name);
        row = &current;
        // A fresh application each row: a cancelled one keeps the references it was left with.
        played.references = 0;
        played.invokes = played.reachedAfterCancel = boxes = 0;
        played.cancelled = misplaced = false;
        {
            std::optional<::com::Apartment> apartment(std::in_place);
            form = std::make_unique<app::win32::Form1>(cmm, cad);
            form->open(GetModuleHandleW(nullptr), SW_SHOWNORMAL);
            window = form->handle();
            postClickCentre(form->control("Command2"));
            pump(window);
            EXPECT_TRUE(IsWindow(window)) << "the window outlived the press";
            EXPECT_EQ(windowText(form->control("Label2")), current.status);
            EXPECT_TRUE(topmost(window)) << "back on top once the call ended";
            form.reset();
            pump(nullptr);
            apartment.reset();
        }
        EXPECT_FALSE(misplaced) << "the window rose above the application's dialog";
        EXPECT_EQ(boxes, current.button ? 1 : 0);
        EXPECT_EQ(played.reachedAfterCancel, 0) << "the cancelled application was called again";
        // The program ends without uninitialising COM once an application was cancelled.
        const bool leftInitialised = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED) == S_FALSE;
        CoUninitialize();
        if (leftInitialised) CoUninitialize();
        EXPECT_EQ(leftInitialised, current.button == IDCANCEL);
    }
    UnhookWindowsHookEx(hook);
}

}  // namespace
}  // namespace win32test
