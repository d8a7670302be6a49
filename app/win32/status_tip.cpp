#include "app/win32/status_tip.h"

#include <commctrl.h>

#include "points/program_failure.h"
#include "windows/wide_text.h"

namespace app::win32 {

namespace {

// A cause is a sentence or two; wider tips would cross the screen.
constexpr int kTipWidthAt96Dpi = 420;
constexpr std::size_t kLongestTip = 4096;

// The label as the tip's one tool, in the version 5 size of the structure: common controls 5
// refuses the larger one, version 6 takes both.
TOOLINFOW toolOf(HWND form, HWND label) {
    TOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = form;
    tool.uId = reinterpret_cast<UINT_PTR>(label);
    return tool;
}

}  // namespace

StatusTip::~StatusTip() {
    if (tip_) DestroyWindow(tip_);
}

void StatusTip::create(HWND form, HWND label, int dotsPerInch) {
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);
    form_ = form;
    label_ = label;
    // Owned by no window: the tip joins the topmost band by itself whenever it shows, and a
    // popup owned by the window keeps the window itself out of that band under Wine.
    tip_ = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                           nullptr, nullptr, nullptr);
    if (!tip_) throw points::ProgramFailure("the status label's tooltip could not be created");
    TOOLINFOW tool = toolOf(form_, label_);
    wchar_t none[] = L"";
    tool.lpszText = none;
    if (!SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)))
        throw points::ProgramFailure("the status label's tooltip was refused");
    // A width makes the tip wrap, and keeps the cause's own line breaks.
    SendMessageW(tip_, TTM_SETMAXTIPWIDTH, 0, MulDiv(kTipWidthAt96Dpi, dotsPerInch, 96));
}

void StatusTip::show(const std::string& cause) {
    std::wstring text = win::toWide(cause);
    TOOLINFOW tool = toolOf(form_, label_);
    tool.lpszText = text.data();
    SendMessageW(tip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    if (!text.empty()) OutputDebugStringW((L"CMM Points: " + text + L"\n").c_str());
}

std::string StatusTip::text() const {
    std::wstring text(kLongestTip, L'\0');
    TOOLINFOW tool = toolOf(form_, label_);
    tool.lpszText = text.data();
    SendMessageW(tip_, TTM_GETTEXTW, text.size(), reinterpret_cast<LPARAM>(&tool));
    text.resize(wcsnlen(text.c_str(), text.size()));
    return win::toUtf8(text);
}

}  // namespace app::win32
