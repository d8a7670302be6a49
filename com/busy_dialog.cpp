#include "com/busy_dialog.h"

#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "windows/wide_text.h"

namespace com {

namespace {

// A dialog template built in memory, since the system's own busy dialog is not there on every
// system the program runs on: words appended in the layout DLGTEMPLATE and DLGITEMTEMPLATE give.
class DialogTemplate {
  public:
    DialogTemplate(const std::wstring& title, short cx, short cy, WORD items) {
        dword(DS_MODALFRAME | DS_CENTER | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU);
        dword(0);
        words({items, 0, 0, static_cast<WORD>(cx), static_cast<WORD>(cy)});
        words({0, 0});  // no menu, the standard class
        text(title);
        words_.push_back(8);
        text(L"MS Shell Dlg");
    }

    void item(DWORD style, short x, short y, short cx, short cy, WORD id, WORD classAtom,
              const std::wstring& title) {
        if (words_.size() % 2) words_.push_back(0);  // each item starts on a DWORD
        dword(style | WS_CHILD | WS_VISIBLE);
        dword(0);
        words({static_cast<WORD>(x), static_cast<WORD>(y), static_cast<WORD>(cx),
               static_cast<WORD>(cy), id, 0xFFFF, classAtom});
        text(title);
        words_.push_back(0);  // no creation data
    }

    const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

  private:
    // One at a time: GCC's range insert here draws a false overflow warning in optimised builds.
    void words(std::initializer_list<WORD> values) {
        for (WORD value : values) words_.push_back(value);
    }
    void dword(DWORD value) {
        words_.push_back(LOWORD(value));
        words_.push_back(HIWORD(value));
    }
    void text(const std::wstring& value) {
        words_.insert(words_.end(), value.begin(), value.end());
        words_.push_back(0);
    }

    std::vector<WORD> words_;
};

constexpr WORD kButton = 0x0080;
constexpr WORD kStatic = 0x0082;

std::wstring messageOf(BusyPrompt prompt, const std::wstring& name) {
    if (prompt == BusyPrompt::Busy)
        return name +
               L" is busy and cannot take this request now.\n\nChoose \"Switch To\" to bring " +
               name + L" forward and finish what it is doing, \"Retry\" to try again, or " +
               L"\"Cancel\" to stop trying.";
    return name +
           L" has not finished this request yet; it may be waiting for you in a window of "
           L"its own.\n\nChoose \"Switch To\" to bring " +
           name + L" forward, \"Retry\" to keep waiting, or \"Cancel\" to stop waiting.";
}

INT_PTR CALLBACK dialogProcedure(HWND dialog, UINT message, WPARAM w, LPARAM) {
    if (message == WM_INITDIALOG) return TRUE;
    if (message == WM_COMMAND) {
        const int id = LOWORD(w);
        if (id == kSwitchToButton || id == IDRETRY || id == IDCANCEL) {
            EndDialog(dialog, id);
            return TRUE;
        }
    }
    return FALSE;
}

BOOL CALLBACK firstVisible(HWND window, LPARAM found) {
    if (!IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

// The window the dialog is modal to: the thread's active one, else its first visible one.
HWND ownerWindow() {
    HWND owner = GetActiveWindow();
    if (!owner)
        EnumThreadWindows(GetCurrentThreadId(), firstVisible, reinterpret_cast<LPARAM>(&owner));
    return owner;
}

}  // namespace

BusyAnswer askAboutBusyApplication(BusyPrompt prompt, std::string_view application) {
    const std::wstring name = win::toWide(application);
    DialogTemplate dialog(prompt == BusyPrompt::Busy ? L"Server Busy" : L"Request Pending", 262, 92,
                          4);
    dialog.item(SS_LEFT, 7, 7, 248, 56, kBusyText, kStatic, messageOf(prompt, name));
    dialog.item(BS_DEFPUSHBUTTON | WS_TABSTOP, 91, 71, 50, 14, kSwitchToButton, kButton,
                L"&Switch To");
    dialog.item(BS_PUSHBUTTON | WS_TABSTOP, 148, 71, 50, 14, IDRETRY, kButton, L"&Retry");
    dialog.item(BS_PUSHBUTTON | WS_TABSTOP, 205, 71, 50, 14, IDCANCEL, kButton, L"Cancel");
    const INT_PTR answer = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), dialog.get(),
                                                   ownerWindow(), dialogProcedure, 0);
    if (answer == kSwitchToButton) return BusyAnswer::SwitchTo;
    if (answer == IDRETRY) return BusyAnswer::Retry;
    return BusyAnswer::Cancel;  // Cancel, closed, or no dialog at all
}

}  // namespace com
