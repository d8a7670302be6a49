#include "app/win32/form1.h"

#include <utility>

#include "app/win32/dpi.h"
#include "app/win32/user_locale.h"
#include "points/program_failure.h"
#include "windows/keep_on_top.h"
#include "windows/wide_text.h"

namespace app::win32 {

namespace {

// A fixed single border: the window has one size and no control reacts to resizing.
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kWindowExStyle = 0;

// The program's icon, from the executable's resources (absent in test executables).
constexpr int kIconResource = 1;

std::string windowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return win::toUtf8(text);
}

void setWindowText(HWND window, const std::string& text) {
    SetWindowTextW(window, win::toWide(text).c_str());
}

void registerWindowClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    if (GetClassInfoExW(instance, Form1::kClassName, &windowClass)) return;
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = form1Procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(kIconResource));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = Form1::kClassName;
    if (!RegisterClassExW(&windowClass))
        throw points::ProgramFailure("the window class was refused");
}

}  // namespace

Form1::Form1(cmm::Connector& cmm, cad::Connector& cad) : engine_(*this, *this, cmm, cad) {}

Form1::~Form1() {
    if (window_) DestroyWindow(window_);
}

void Form1::create(HINSTANCE instance) {
    registerWindowClass(instance);
    // Placed where the windowing system places new windows; sized once the DPI is known.
    window_ = CreateWindowExW(kWindowExStyle, kClassName, L"CMM Points", kWindowStyle,
                              CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, nullptr, nullptr, instance, this);
    if (!window_) throw points::ProgramFailure("the window could not be created");
    controls_.create(window_, instance);
    const int dotsPerInch = dpiOf(window_);
    applyDpi(dotsPerInch);
    statusTip_.create(window_, named("Label2"), dotsPerInch);
    const SIZE client{twipsToPixels(kClientWidthTwips, dotsPerInch),
                      twipsToPixels(kClientHeightTwips, dotsPerInch)};
    const SIZE outer = windowSizeFor(client, kWindowStyle, kWindowExStyle, dotsPerInch);
    SetWindowPos(window_, nullptr, 0, 0, outer.cx, outer.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form1::applyDpi(int dotsPerInch) {
    // The controls take the new fonts before the old ones are deleted.
    auto fonts = std::make_unique<DesignerFonts>(dotsPerInch);
    controls_.layout(dotsPerInch, fonts->regular(), fonts->bold());
    fonts_ = std::move(fonts);
}

void Form1::load() {
    win::keepWindowOnTop(window_);
    engine_.load();
}

void Form1::show(int showCommand) {
    // The lowest tab index that can take the focus is "Close"'s, so it has the focus at first.
    focusWhenInactive_ = named("Command1");
    ShowWindow(window_, showCommand);
    UpdateWindow(window_);
    SetFocus(focusWhenInactive_);
}

void Form1::open(HINSTANCE instance, int showCommand) {
    create(instance);
    load();
    show(showCommand);
}

void Form1::busyBegins() { busy_.emplace(); }

void Form1::busyEnds() { busy_.reset(); }

// The hidden List1 shows the point list's lines, as the list that carries them.
void Form1::showPointList(const points::PointList& lines) {
    HWND list1 = named("List1");
    SendMessageW(list1, LB_RESETCONTENT, 0, 0);
    for (std::int16_t i = 0; i < lines.count(); ++i) {
        const std::wstring line = win::toWide(lines.lineAt(i));
        SendMessageW(list1, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    }
}

// The window's own messages only (a window handle filters for it and its controls), so that a
// message box's input is never taken. A click or a close posted by a tool acting for the operator
// (accessibility, macros) is no input, but was meant for the busy window all the same.
void Form1::discardPendingInput() {
    constexpr std::pair<UINT, UINT> kInput[] = {{WM_KEYFIRST, WM_KEYLAST},
                                                {WM_MOUSEFIRST, WM_MOUSELAST},
                                                {WM_NCMOUSEMOVE, WM_NCXBUTTONDBLCLK},
                                                {BM_CLICK, BM_CLICK},
                                                {WM_CLOSE, WM_CLOSE}};
    MSG message{};
    for (const auto& [first, last] : kInput) {
        while (PeekMessageW(&message, window_, first, last, PM_REMOVE)) {
        }
    }
}

HWND Form1::named(std::string_view name) const {
    HWND window = controls_.find(name);
    if (!window) throw points::ProgramFailure("the window has no control " + std::string(name));
    return window;
}

std::string Form1::status() const { return windowText(named("Label2")); }

void Form1::setStatus(const std::string& text) { setWindowText(named("Label2"), text); }

void Form1::setStatusTip(const std::string& cause) { statusTip_.show(cause); }

std::string Form1::text(view::TextBox box) const { return windowText(named(designerName(box))); }

void Form1::setText(view::TextBox box, const std::string& text) {
    setWindowText(named(designerName(box)), text);
}

int Form1::checkValue(view::CheckBox box) const {
    return SendMessageW(named(designerName(box)), BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}

bool Form1::optionValue(view::OptionButton button) const {
    return SendMessageW(named(designerName(button)), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::int16_t Form1::featureCount() const {
    return static_cast<std::int16_t>(SendMessageW(named("List2"), LB_GETCOUNT, 0, 0));
}

// A message about item `index` of the feature list; an index outside the list fails.
LRESULT Form1::featureItem(UINT message, std::int16_t index, LPARAM data) const {
    const LRESULT result = SendMessageW(named("List2"), message, static_cast<WPARAM>(index), data);
    if (index < 0 || result == LB_ERR)
        throw points::ProgramFailure("no such item in the feature list");
    return result;
}

std::string Form1::featureText(std::int16_t index) const {
    const LRESULT length = featureItem(LB_GETTEXTLEN, index, 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    featureItem(LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return win::toUtf8(text);
}

bool Form1::featureSelected(std::int16_t index) const {
    return featureItem(LB_GETSEL, index, 0) > 0;
}

void Form1::appendFeature(const std::string& id) {
    const std::wstring text = win::toWide(id);
    const LRESULT added =
        SendMessageW(named("List2"), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    if (added == LB_ERR || added == LB_ERRSPACE)
        throw points::ProgramFailure("the feature list is full");
}

void Form1::showMessage(const std::string& text) {
    // The box's own loop would otherwise hand what was clicked during the press to the window.
    discardPendingInput();
    MessageBoxW(window_, win::toWide(text).c_str(), L"CMM Points", MB_OK);
}

points::NumberLocale Form1::locale() const { return userNumberLocale(); }

}  // namespace app::win32
