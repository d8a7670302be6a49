#include "app/win32/busy_cursor.h"
#include "app/win32/form1.h"
#include "windows/keep_on_top.h"

namespace app::win32 {

namespace {

bool isPushButton(HWND window) {
    wchar_t className[16]{};
    GetClassNameW(window, className, 16);
    return lstrcmpiW(className, L"Button") == 0 &&
           (GetWindowLongW(window, GWL_STYLE) & BS_TYPEMASK) == BS_PUSHBUTTON;
}

}  // namespace

LRESULT CALLBACK form1Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* form = static_cast<Form1*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        form->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto* form = reinterpret_cast<Form1*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!form) return DefWindowProcW(window, message, wParam, lParam);

    switch (message) {
        case WM_ACTIVATE:
            return form->onActivate(wParam);
        case WM_COMMAND:
            return form->onCommand(LOWORD(wParam), HIWORD(wParam));
        case WM_CLOSE:
            return form->onClose();
        case WM_CTLCOLORSTATIC:
            return form->onControlColour(wParam, lParam);
        case WM_SETCURSOR:
            if (BusyCursor::active()) return form->onSetCursor(wParam, lParam);
            break;
        case WM_DPICHANGED:
            return form->onDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        case WM_DESTROY:
            return form->onDestroy();
        case WM_NCDESTROY:
            form->window_ = nullptr;
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// Every activation puts the window on top again; the focus goes back to the control that had it,
// "Close" the first time.
LRESULT Form1::onActivate(WPARAM state) {
    if (LOWORD(state) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(window_, focus)) focusWhenInactive_ = focus;
        return 0;
    }
    win::keepWindowOnTop(window_);
    if (focusWhenInactive_ && !HIWORD(state)) SetFocus(focusWhenInactive_);
    return 0;
}

LRESULT Form1::onCommand(int id, int notification) {
    if (id == IDOK) {
        // Neither button is the default: the dialog manager's Enter clicks the focused button.
        HWND focus = GetFocus();
        if (focus && IsChild(window_, focus) && isPushButton(focus)) {
            return onCommand(GetDlgCtrlID(focus), BN_CLICKED);
        }
        return 0;
    }
    if (notification != BN_CLICKED) return 0;
    const std::string_view name = controls_.nameOf(id);
    if (name == "Command1") return onClose();
    if (name == "Command2" && !pressing_) {
        pressing_ = true;
        engine_.press();
        pressing_ = false;
    }
    return 0;
}

// "Close", the frame's close button, Alt+F4 or a tool's WM_CLOSE do nothing while a press runs,
// waiting on an application or in one of its boxes: the press still writes to the window, and a
// close kept for later would end the program at a moment the operator no longer chose. Close
// works again as soon as the press has ended, at once after a "Cancel".
LRESULT Form1::onClose() {
    if (!pressing_) DestroyWindow(window_);
    return 0;
}

// The status label's text is red.
LRESULT Form1::onControlColour(WPARAM dc, LPARAM control) {
    const LRESULT brush = DefWindowProcW(window_, WM_CTLCOLORSTATIC, dc, control);
    if (reinterpret_cast<HWND>(control) == controls_.find("Label2")) {
        SetTextColor(reinterpret_cast<HDC>(dc), RGB(0xFF, 0x00, 0x00));
    }
    return brush;
}

LRESULT Form1::onSetCursor(WPARAM window, LPARAM hitTest) {
    if (LOWORD(hitTest) != HTCLIENT) return DefWindowProcW(window_, WM_SETCURSOR, window, hitTest);
    SetCursor(BusyCursor::cursor());
    return TRUE;
}

// Moved to a monitor of another scale: the controls keep their physical size with fonts made
// for it, and the window takes the place and size Windows suggests for the same client area.
LRESULT Form1::onDpiChanged(int dotsPerInch, const RECT& suggested) {
    applyDpi(dotsPerInch);
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
}

// The only window: closing it ends the program.
LRESULT Form1::onDestroy() {
    PostQuitMessage(0);
    return 0;
}

}  // namespace app::win32
