#include "app/win32/tests/window_fixture.h"

#include <utility>

#include "windows/wide_text.h"

namespace win32test {

MessageBoxAnswerer* MessageBoxAnswerer::current_ = nullptr;

MessageBoxAnswerer::MessageBoxAnswerer()
    : hook_(SetWindowsHookExW(WH_CBT, hook, nullptr, GetCurrentThreadId())) {
    current_ = this;
}

MessageBoxAnswerer::~MessageBoxAnswerer() {
    UnhookWindowsHookEx(hook_);
    current_ = nullptr;
}

std::vector<std::string> MessageBoxAnswerer::texts() const {
    std::vector<std::string> result;
    for (const ShownBox& box : shown_) result.push_back(box.text);
    return result;
}

LRESULT CALLBACK MessageBoxAnswerer::hook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && current_) {
        HWND box = reinterpret_cast<HWND>(wParam);
        if (className(box) == "#32770") {
            HWND owner = GetWindow(box, GW_OWNER);
            // The message text is the box's static control 0xFFFF.
            current_->shown_.push_back({windowText(box), windowText(GetDlgItem(box, 0xFFFF)), owner,
                                        owner && IsWindowEnabled(owner) != FALSE,
                                        GetCursor() == LoadCursorW(nullptr, IDC_WAIT)});
            if (auto queue = std::exchange(current_->whenNextShown, nullptr)) queue();
            PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

bool pump(HWND form) {
    bool quit = false;
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            quit = true;
            continue;
        }
        if (form && IsWindow(form) && IsDialogMessageW(form, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return quit;
}

std::string windowText(HWND window) {
    wchar_t text[512]{};
    GetWindowTextW(window, text, 512);
    return win::toUtf8(text);
}

std::string className(HWND window) {
    wchar_t name[64]{};
    GetClassNameW(window, name, 64);
    return win::toUtf8(name);
}

void postClick(HWND control, POINT at, WPARAM keys) {
    const LPARAM where = MAKELPARAM(at.x, at.y);
    PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON | keys, where);
    PostMessageW(control, WM_LBUTTONUP, keys, where);
}

void postClickCentre(HWND control, WPARAM keys) {
    RECT client{};
    GetClientRect(control, &client);
    // Left of the middle, so that a check box or an option button is hit on its caption side.
    postClick(control, {client.right / 3, client.bottom / 2}, keys);
}

void postKey(HWND target, UINT virtualKey) {
    PostMessageW(target, WM_KEYDOWN, virtualKey, 1);
    PostMessageW(target, WM_KEYUP, virtualKey, static_cast<LPARAM>(0xC0000001u));
}

void postText(HWND target, std::string_view text) {
    for (const wchar_t c : win::toWide(text)) PostMessageW(target, WM_CHAR, c, 1);
}

void WindowTest::TearDown() {
    form.reset();  // the window and its links before the servers go
    ComPressFixture::TearDown();
    pump(nullptr);  // the closed window's WM_QUIT and anything else left over
}

app::win32::Form1& WindowTest::open() {
    form = std::make_unique<app::win32::Form1>(cmm, cad);
    form->open(GetModuleHandleW(nullptr), SW_SHOWNORMAL);
    pumpMessages();
    return *form;
}

HWND WindowTest::control(std::string_view name) const {
    HWND window = form->control(name);
    EXPECT_NE(window, nullptr) << name;
    return window;
}

}  // namespace win32test
