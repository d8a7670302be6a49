// The CAD stand-in as a running application: once started it is in the running object table
// under the class "AutoCAD.Application.15" names, with the demo drawing as its active document,
// and its window shows what the presses drew. Closing the window ends it.
#include <memory>
#include <string>

#include "com/apartment.h"
#include "standin/cad.h"
#include "standin/com/cad_server.h"
#include "standin/com/class_ids.h"
#include "standin/drawing_text.h"
#include "standin/servers/controls.h"
#include "standin/servers/server_main.h"
#include "windows/wide_text.h"

namespace {

using namespace standin::com;
using standin::servers::ControlTarget;
using standin::servers::makeControlObject;

const standin::servers::ServerEntry kEntry{
    kCadServerClass, kCmmServerClass, "AutoCAD.Application.15", "CMM Points CAD stand-in", false};

constexpr wchar_t kWindowClass[] = L"CmmPointsCadStandIn";
// A press changes the drawing twice a point, and rewriting the window's text is costly (under
// Wine as much as the calls themselves): the text follows the drawing at most this often.
constexpr UINT_PTR kRefreshTimer = 1;
constexpr UINT kRefreshMs = 200;

struct Window {
    HWND frame = nullptr;
    HWND text = nullptr;
};

std::wstring summaryOf(const standin::CadState& state) {
    std::string text = "Entities in the active drawing (" +
                       std::to_string(state.drawing.entities().size()) + "):\r\n";
    for (const auto& line : standin::drawingSummary(state.drawing)) text += "  " + line + "\r\n";
    text += state.visible ? "Made visible by a client.\r\n" : "";
    return win::toWide(text);
}

// The window's text and the drawing it shows: a change only marks it stale, and the refresh timer
// rewrites it when the summary differs from what it shows.
class Summary {
  public:
    Summary(std::shared_ptr<const standin::CadState> state, Window window)
        : state_(std::move(state)), window_(window) {}

    void changed() {
        if (stale_) return;
        stale_ = true;
        SetTimer(window_.frame, kRefreshTimer, kRefreshMs, nullptr);
    }
    void refresh() {
        KillTimer(window_.frame, kRefreshTimer);
        stale_ = false;
        std::wstring text = summaryOf(*state_);
        if (text == shown_) return;
        shown_ = std::move(text);
        SetWindowTextW(window_.text, shown_.c_str());
    }

  private:
    std::shared_ptr<const standin::CadState> state_;
    Window window_;
    std::wstring shown_;
    bool stale_ = false;
};

LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    switch (message) {
        case WM_TIMER:
            if (w != kRefreshTimer) break;
            if (auto* summary =
                    reinterpret_cast<Summary*>(GetWindowLongPtrW(window, GWLP_USERDATA)))
                summary->refresh();
            return 0;
        case WM_SIZE:
            if (HWND text = GetWindow(window, GW_CHILD))
                MoveWindow(text, 8, 8, LOWORD(l) - 16, HIWORD(l) - 16, TRUE);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window, message, w, l);
}

Window openWindow() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = windowProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kWindowClass;
    RegisterClassW(&windowClass);
    Window w;
    w.frame = CreateWindowExW(0, kWindowClass, L"CAD stand-in", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                              CW_USEDEFAULT, 420, 260, nullptr, nullptr, instance, nullptr);
    w.text = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                             WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY, 8, 8,
                             380, 200, w.frame, nullptr, instance, nullptr);
    SendMessageW(w.text, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 TRUE);
    ShowWindow(w.frame, SW_SHOWNOACTIVATE);
    return w;
}

}  // namespace

int main(int argc, char** argv) {
    if (auto done = standin::servers::handleRegistration(kEntry, argc, argv)) return *done;

    ::com::Apartment apartment;
    const auto typeLibrary = standin::servers::holdTypeLibrary();
    auto state = std::make_shared<standin::CadState>(standin::demoCad());
    const Window window = openWindow();
    Summary summary(state, window);
    SetWindowLongPtrW(window.frame, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&summary));
    state->drawing.observe([&summary] { summary.changed(); });
    state->onShown = [&summary] { summary.changed(); };
    summary.refresh();

    CadServer server(std::make_shared<standin::CadConnector>(state),
                     standin::servers::servedClass(kEntry));
    ControlTarget target{server.sharedControl(), nullptr, state,
                         [frame = window.frame] { PostMessageW(frame, WM_CLOSE, 0, 0); }};
    IDispatch* control = makeControlObject(std::move(target));
    DWORD controlCookie = 0;
    RegisterActiveObject(control, kCadControlClass, ACTIVEOBJECT_STRONG, &controlCookie);

    const int code = standin::servers::runMessageLoop();

    RevokeActiveObject(controlCookie, nullptr);
    CoDisconnectObject(control, 0);
    control->Release();
    return code;
}
