// How this thread waits for an outside application that is busy or does not finish a call: the
// message filter's decisions, the dialog it shows, and the topmost band it steps out of.
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "cad/api.h"
#include "cmm/api.h"
#include "com/busy_dialog.h"
#include "com/busy_retry.h"
#include "com/message_filter.h"
#include "windows/wide_text.h"

namespace comtest {
namespace {

using ::com::BusyAnswer;
using ::com::BusyPrompt;
using ::com::MessageFilter;
using ::com::OutsideApplication;
using ::com::OutsideCall;

constexpr DWORD kGiveUp = static_cast<DWORD>(-1);
constexpr DWORD kPoll = 100;

// A window of this thread in the topmost band, as the program's window is kept.
class TopmostWindow {
  public:
    TopmostWindow() {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"CmmPointsBusyHandlingTest";
        RegisterClassW(&windowClass);
        handle = CreateWindowExW(WS_EX_TOPMOST, windowClass.lpszClassName, L"CMM Points",
                                 WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 300, 200, nullptr,
                                 nullptr, windowClass.hInstance, nullptr);
        SetActiveWindow(handle);
    }
    ~TopmostWindow() { DestroyWindow(handle); }
    bool topmost() const { return GetWindowLongW(handle, GWL_EXSTYLE) & WS_EX_TOPMOST; }
    HWND handle;
};

bool inputQueued() {
    MSG message;
    return PeekMessageW(&message, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_NOREMOVE) ||
           PeekMessageW(&message, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_NOREMOVE);
}

// Handles what is left in the queue: paints, the filter's wake-ups, unanswered input.
void dropMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

enum class Question { RetryLater, Rejected, Pending };

struct Row {
    const char* name;
    Question question;
    DWORD elapsedMs;
    UINT input;         // waiting in the queue; 0 for nothing
    BusyAnswer answer;  // the operator's, should the dialog show
    DWORD expected;     // what the filter tells COM
    std::optional<BusyPrompt> asked;
};

const Row kRows[] = {
    {"retry later below the bound", Question::RetryLater, 9'999, 0, BusyAnswer::Cancel, kPoll,
     std::nullopt},
    {"retry later past the bound, Retry", Question::RetryLater, 10'000, 0, BusyAnswer::Retry, kPoll,
     BusyPrompt::Busy},
    {"retry later past the bound, Switch To", Question::RetryLater, 12'000, 0, BusyAnswer::SwitchTo,
     kPoll, BusyPrompt::Busy},
    {"retry later past the bound, Cancel", Question::RetryLater, 10'000, 0, BusyAnswer::Cancel,
     kGiveUp, BusyPrompt::Busy},
    {"rejected outright", Question::Rejected, 0, 0, BusyAnswer::Retry, kGiveUp, std::nullopt},
    {"rejected past the bound", Question::Rejected, 20'000, 0, BusyAnswer::Retry, kGiveUp,
     std::nullopt},
    {"pending without input", Question::Pending, 60'000, 0, BusyAnswer::Cancel,
     PENDINGMSG_WAITDEFPROCESS, std::nullopt},
    {"pending with the mouse moved only", Question::Pending, 6'000, WM_MOUSEMOVE,
     BusyAnswer::Cancel, PENDINGMSG_WAITDEFPROCESS, std::nullopt},
    {"pending with a click", Question::Pending, 6'000, WM_LBUTTONDOWN, BusyAnswer::Retry,
     PENDINGMSG_WAITNOPROCESS, BusyPrompt::Pending},
    {"pending with input, not long enough", Question::Pending, 4'999, WM_KEYDOWN,
     BusyAnswer::Cancel, PENDINGMSG_WAITDEFPROCESS, std::nullopt},
    {"pending with input, Retry", Question::Pending, 5'000, WM_KEYDOWN, BusyAnswer::Retry,
     PENDINGMSG_WAITNOPROCESS, BusyPrompt::Pending},
    {"pending with input, Switch To", Question::Pending, 7'000, WM_KEYDOWN, BusyAnswer::SwitchTo,
     PENDINGMSG_WAITNOPROCESS, BusyPrompt::Pending},
    {"pending with input, Cancel", Question::Pending, 5'000, WM_KEYDOWN, BusyAnswer::Cancel,
     PENDINGMSG_CANCELCALL, BusyPrompt::Pending},
};

struct Asked {
    BusyPrompt prompt;
    std::string application;
    bool ownerTopmost;
};

class BusyHandlingTest : public ::testing::Test {
  protected:
    void TearDown() override { dropMessages(); }

    DWORD ask(MessageFilter& filter, Question question, DWORD elapsedMs) {
        switch (question) {
            case Question::RetryLater:
                return filter.RetryRejectedCall(nullptr, elapsedMs, SERVERCALL_RETRYLATER);
            case Question::Rejected:
                return filter.RetryRejectedCall(nullptr, elapsedMs, SERVERCALL_REJECTED);
            case Question::Pending:
                return filter.MessagePending(nullptr, elapsedMs, PENDINGTYPE_TOPLEVEL);
        }
        return 0;
    }

    TopmostWindow window;
    std::vector<Asked> asked;
    std::vector<std::string> switchedTo;
};

TEST_F(BusyHandlingTest, TheFilterDecidesEachQuestionAsTheOperatorWould) {
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.name);
        asked.clear();
        switchedTo.clear();
        dropMessages();
        ASSERT_TRUE(window.topmost());
        {
            ::com::BusyOperator answers;
            answers.ask = [&](BusyPrompt prompt, const OutsideApplication& application) {
                asked.push_back({prompt, std::string(application.name), window.topmost()});
                return row.answer;
            };
            answers.switchTo = [&](HTASK, const OutsideApplication& application) {
                switchedTo.emplace_back(application.name);
            };
            MessageFilter filter(answers);
            ::com::Link link(&cad::members::kApplication);
            OutsideCall call(&link);
            if (row.input) PostMessageW(window.handle, row.input, VK_RETURN, 1);

            EXPECT_EQ(ask(filter, row.question, row.elapsedMs), row.expected);

            ASSERT_EQ(asked.size(), row.asked ? 1u : 0u);
            if (row.asked) {
                EXPECT_EQ(asked[0].prompt, *row.asked);
                EXPECT_EQ(asked[0].application, "AutoCAD");
                EXPECT_FALSE(asked[0].ownerTopmost) << "the dialog's owner left the topmost band";
            }
            EXPECT_EQ(switchedTo, row.asked && row.answer == BusyAnswer::SwitchTo
                                      ? std::vector<std::string>{"AutoCAD"}
                                      : std::vector<std::string>{});
            // The input the dialog answered is gone; unanswered input is left to the window.
            if (row.input) {
                EXPECT_EQ(inputQueued(), !row.asked);
            }
            const bool waitedAFewSeconds = row.question != Question::Rejected &&
                                           row.elapsedMs >= MessageFilter::kStepAsideAfter.count();
            EXPECT_EQ(window.topmost(), !(row.asked || waitedAFewSeconds));
        }
        EXPECT_TRUE(window.topmost()) << "back in the topmost band when the call ends";
    }
}

TEST_F(BusyHandlingTest, AnAnsweredDialogComesAgainOnlyAWholeBoundLater) {
    ::com::BusyOperator answers;
    answers.ask = [&](BusyPrompt prompt, const OutsideApplication& application) {
        asked.push_back({prompt, std::string(application.name), window.topmost()});
        return BusyAnswer::Retry;
    };
    MessageFilter filter(answers);
    ::com::Link link(&cmm::members::kApplication);
    OutsideCall call(&link);

    EXPECT_EQ(filter.RetryRejectedCall(nullptr, 10'000, SERVERCALL_RETRYLATER), kPoll);
    EXPECT_EQ(filter.RetryRejectedCall(nullptr, 19'000, SERVERCALL_RETRYLATER), kPoll);
    PostMessageW(window.handle, WM_KEYDOWN, VK_RETURN, 1);
    EXPECT_EQ(filter.MessagePending(nullptr, 14'000, PENDINGTYPE_TOPLEVEL),
              DWORD(PENDINGMSG_WAITDEFPROCESS));
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].application, "PC-DMIS");

    EXPECT_EQ(filter.MessagePending(nullptr, 15'100, PENDINGTYPE_TOPLEVEL),
              DWORD(PENDINGMSG_WAITNOPROCESS));
    EXPECT_EQ(filter.RetryRejectedCall(nullptr, 20'100, SERVERCALL_RETRYLATER), kPoll);
    EXPECT_EQ(filter.RetryRejectedCall(nullptr, 25'200, SERVERCALL_RETRYLATER), kPoll);
    ASSERT_EQ(asked.size(), 3u);
    EXPECT_EQ(asked[1].prompt, BusyPrompt::Pending);
    EXPECT_EQ(asked[2].prompt, BusyPrompt::Busy);
}

// The dialog itself, answered by a hook that reads it and presses one of its buttons.
struct ShownDialog {
    std::string caption;
    std::string text;
    bool modalToTheWindow = false;
    std::vector<std::string> buttons;
};

ShownDialog shown;
int pressButton = 0;

LRESULT CALLBACK answerDialog(int code, WPARAM wParam, LPARAM lParam) {
    HWND dialog = reinterpret_cast<HWND>(wParam);
    wchar_t text[1024]{};
    if (code == HCBT_ACTIVATE && GetClassNameW(dialog, text, 1024) &&
        text == std::wstring(L"#32770")) {
        GetWindowTextW(dialog, text, 1024);
        shown.caption = win::toUtf8(text);
        GetDlgItemTextW(dialog, ::com::kBusyText, text, 1024);
        shown.text = win::toUtf8(text);
        HWND owner = GetWindow(dialog, GW_OWNER);
        shown.modalToTheWindow = owner && !IsWindowEnabled(owner);
        for (int id : {::com::kSwitchToButton, IDRETRY, IDCANCEL}) {
            GetDlgItemTextW(dialog, id, text, 1024);
            shown.buttons.push_back(win::toUtf8(text));
        }
        PostMessageW(GetDlgItem(dialog, pressButton), BM_CLICK, 0, 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(BusyHandlingTest, TheDialogNamesTheApplicationAndGivesTheOperatorsAnswer) {
    struct DialogRow {
        BusyPrompt prompt;
        int button;
        BusyAnswer answer;
        const char* caption;
        const char* saying;
    };
    const DialogRow rows[] = {
        {BusyPrompt::Busy, ::com::kSwitchToButton, BusyAnswer::SwitchTo, "Server Busy", "is busy"},
        {BusyPrompt::Busy, IDRETRY, BusyAnswer::Retry, "Server Busy", "is busy"},
        {BusyPrompt::Pending, IDCANCEL, BusyAnswer::Cancel, "Request Pending", "has not finished"},
        {BusyPrompt::Pending, ::com::kSwitchToButton, BusyAnswer::SwitchTo, "Request Pending",
         "has not finished"},
    };
    HHOOK hook = SetWindowsHookExW(WH_CBT, answerDialog, nullptr, GetCurrentThreadId());
    for (const DialogRow& row : rows) {
        SCOPED_TRACE(row.caption);
        shown = {};
        pressButton = row.button;
        SetActiveWindow(window.handle);
        EXPECT_EQ(::com::askAboutBusyApplication(row.prompt, "AutoCAD"), row.answer);
        EXPECT_EQ(shown.caption, row.caption);
        EXPECT_EQ(shown.text.rfind(std::string("AutoCAD ") + row.saying, 0), 0u) << shown.text;
        EXPECT_TRUE(shown.modalToTheWindow);
        EXPECT_EQ(shown.buttons, (std::vector<std::string>{"&Switch To", "&Retry", "Cancel"}));
        EXPECT_TRUE(IsWindowEnabled(window.handle));
    }
    UnhookWindowsHookEx(hook);
}

}  // namespace
}  // namespace comtest
