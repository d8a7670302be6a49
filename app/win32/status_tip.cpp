#include "app/win32/status_tip.h"

#include <commctrl.h>

#include "points/program_failure.h"
#include "windows/wide_text.h"

namespace app::win32 {

namespace {

// A cause is a sentence or two; wider tips would cross the screen.
constexpr int kTipWidthAt96Dpi = 420;
constexpr std::size_t kLongestTip = 4096;

}  // namespace

// The version 5 size of the structure: common controls 5 refuses the larger one, version 6
// takes both.
TOOLINFOW StatusTip::tool() const {
    TOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = form_;
    tool.uId = reinterpret_cast<UINT_PTR>(label_);
    return tool;
}

void StatusTip::create(HWND form, HWND label, int dotsPerInch) {
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);
    form_ = form;
    label_ = label;
    // Topmost like the window it belongs to, or the kept-on-top window would cover it.
    tip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                           WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, form, nullptr, nullptr, nullptr);
    if (!tip_) throw points::ProgramFailure("the status label's tooltip could not be created");
    TOOLINFOW tool = this->tool();
    wchar_t none[] = L"";
    tool.lpszText = none;
    if (!SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)))
        throw points::ProgramFailure("the status label's tooltip was refused");
    // A width makes the tip wrap, and keeps the cause's own line breaks.
    SendMessageW(tip_, TTM_SETMAXTIPWIDTH, 0, MulDiv(kTipWidthAt96Dpi, dotsPerInch, 96));
}

void StatusTip::show(const std::string& cause) {
    std::wstring text = win::toWide(cause);
    TOOLINFOW tool = this->tool();
    tool.lpszText = text.data();
    SendMessageW(tip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    if (!text.empty()) OutputDebugStringW((L"CMM Points: " + text + L"\n").c_str());
}

std::string StatusTip::text() const {
    std::wstring text(kLongestTip, L'\0');
    TOOLINFOW tool = this->tool();
    tool.lpszText = text.data();
    SendMessageW(tip_, TTM_GETTEXTW, text.size(), reinterpret_cast<LPARAM>(&tool));
    text.resize(wcsnlen(text.c_str(), text.size()));
    return win::toUtf8(text);
}

}  // namespace app::win32
