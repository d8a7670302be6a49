// What Windows' COM and window manager do while a press waits on an outside application, played
// against the real window, message filter and busy retry (Wine does none of it). The CAD
// application is an object of this test: its first call, or its last release, plays what COM
// documents for the row to the thread's message filter; every other call answers at once, with
// the application itself for an object. The busy boxes are the real ones, answered by a hook.
#include <memory>
#include <optional>
#include <utility>

#include "app/win32/tests/window_fixture.h"
#include "com/cad_application.h"

namespace win32test {
namespace {

constexpr DWORD kGiveUp = static_cast<DWORD>(-1);
constexpr const char* kNoLink = "Can't Link to AutoCAD";

bool topmost(HWND window) { return GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST; }

struct Row {
    const char* name;
    bool inLastRelease;  // else in the first call
    HRESULT (*play)();
    int button;  // the operator's answer to the one box the row shows; 0 for none
    const char* status;
};

// What one row did and saw.
struct Played {
    const Row* row;
    app::win32::Form1* form;
    int boxes = 0, calls = 0, callsAtCancel = 0;
    bool onTop = false;  // the window in the topmost band while the call waited
};
Played played;

::com::MessageFilter& filter() { return *::com::MessageFilter::ofThisThread(); }

// "Retry later" until the filter gives up, when COM fails the call with `result`, or until the
// operator answered the box, when the application takes the call.
template <HRESULT result>
HRESULT busy() {
    for (DWORD elapsed = 0; played.boxes == 0; elapsed += 100)
        if (filter().RetryRejectedCall(nullptr, elapsed, SERVERCALL_RETRYLATER) == kGiveUp)
            return result;
    return S_OK;
}
HRESULT closeClickedWhileBusy() {
    postClickCentre(played.form->control("Command1"));
    return busy<RPC_E_CALL_REJECTED>();
}
// The operator clicks the window once it has stepped aside.
HRESULT activated() {
    filter().MessagePending(nullptr, 3'100, PENDINGTYPE_TOPLEVEL);
    SendMessageW(played.form->handle(), WM_ACTIVATE, WA_CLICKACTIVE, 0);
    played.onTop |= topmost(played.form->handle());
    return S_OK;
}
// The operator types during a long wait; Windows ends a cancelled call at once.
HRESULT typedWhilePending() {
    PostThreadMessageW(GetCurrentThreadId(), WM_KEYDOWN, VK_SPACE, 1);
    const DWORD answer = filter().MessagePending(nullptr, 5'100, PENDINGTYPE_TOPLEVEL);
    return answer == PENDINGMSG_CANCELCALL ? RPC_E_CALL_CANCELED : S_OK;
}

class PlayedApplication final : public IDispatch {
  public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        *out = iid == IID_IUnknown || iid == IID_IDispatch ? this : nullptr;
        return *out ? (AddRef(), S_OK) : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        ++played.calls;
        if (--references_ == 0 && played.row->inLastRelease) played.row->play();
        return references_;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID* id) override {
        ++played.calls;
        *id = 1;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result,
                                     EXCEPINFO*, UINT*) override {
        ++played.calls;
        if (std::exchange(first_, false) && !played.row->inLastRelease)
            if (const HRESULT answer = played.row->play(); FAILED(answer)) return answer;
        if (result) {
            result->vt = VT_DISPATCH;
            result->pdispVal = this;
            AddRef();
        }
        return S_OK;
    }

  private:
    ULONG references_ = 0;
    bool first_ = true;
};

class PlayedConnector : public cad::Connector {
    cad::Value attach() override {
        application_.emplace();
        return ::com::objectResult<::com::CadApplication>(
            ::com::Variant::dispatch(&*application_), nullptr, "attach",
            std::make_shared<::com::Link>(&cad::members::kApplication));
    }
    std::optional<PlayedApplication> application_;
};

LRESULT CALLBACK answer(int code, WPARAM wParam, LPARAM lParam) {
    HWND box = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && className(box) == "#32770" &&
        GetDlgItem(box, ::com::kSwitchToButton)) {
        ++played.boxes;
        played.onTop |= topmost(GetWindow(box, GW_OWNER));
        played.callsAtCancel = played.calls;
        PostMessageW(GetDlgItem(box, played.row->button), BM_CLICK, 0, 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

const Row kRows[] = {
    {"an activation while a call waits", false, activated, 0, "CMM-1"},
    {"Cancel on busy, COM fails the call as rejected", false, busy<RPC_E_CALL_REJECTED>, IDCANCEL,
     kNoLink},
    {"Cancel on busy, COM fails the call as retry later", false, busy<RPC_E_SERVERCALL_RETRYLATER>,
     IDCANCEL, kNoLink},
    {"Close clicked before the busy box, Retry", false, closeClickedWhileBusy, IDRETRY, "CMM-1"},
    {"Cancel on a pending call, COM fails it as cancelled", false, typedWhilePending, IDCANCEL,
     kNoLink},
    {"Cancel on a pending last release", true, typedWhilePending, IDCANCEL, "CMM-1"},
};

TEST(WindowsBehaviour, TheOperatorIsNeverTrappedAndTheProgramEndsWithoutWaiting) {
    auto measurement = std::make_shared<standin::CmmState>();
    measurement->machineName = "CMM-1";
    standin::CmmConnector cmm(measurement);
    PlayedConnector cad;
    HHOOK hook = SetWindowsHookExW(WH_CBT, answer, nullptr, GetCurrentThreadId());
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.name);
        std::optional<::com::Apartment> apartment(std::in_place);
        auto form = std::make_unique<app::win32::Form1>(cmm, cad);
        form->open(GetModuleHandleW(nullptr), SW_SHOWNORMAL);
        played = {&row, form.get()};
        HWND window = form->handle();
        postClickCentre(form->control("Command2"));
        pump(window);
        EXPECT_TRUE(IsWindow(window) && topmost(window)) << "kept, and back on top";
        EXPECT_EQ(windowText(form->control("Label2")), row.status);
        form.reset();
        apartment.reset();
        EXPECT_FALSE(played.onTop) << "the window rose above the application's dialog";
        EXPECT_EQ(played.boxes, row.button ? 1 : 0) << "Cancel is asked once";
        EXPECT_TRUE(row.button != IDCANCEL || played.calls == played.callsAtCancel)
            << "the cancelled application was called again";
        // The program ends without uninitialising COM once an application was cancelled.
        const bool leftInitialised = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED) == S_FALSE;
        CoUninitialize();
        if (leftInitialised) CoUninitialize();
        EXPECT_EQ(leftInitialised, row.button == IDCANCEL);
        pump(nullptr);
    }
    UnhookWindowsHookEx(hook);
}

}  // namespace
}  // namespace win32test
