#include <set>

#include "app/control_table.h"
#include "app/win32/message_loop.h"
#include "app/win32/tests/window_fixture.h"

namespace win32test {
namespace {

using view::OptionButton;

bool checked(HWND button) { return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

std::string focusedName(const app::win32::Form1& form) {
    HWND focus = GetFocus();
    for (const auto& c : app::controlTable()) {
        if (form.control(c.name) == focus) return c.name;
    }
    return focus == form.handle() ? "the window" : "elsewhere";
}

class InputTest : public WindowTest {};

TEST_F(InputTest, CloseHasTheFocusAndTabWalksTheVisibleControlsInTabIndexOrder) {
    open();
    EXPECT_TRUE(IsWindowVisible(form->handle()));
    EXPECT_EQ(focusedName(*form), "Command1");

    // Tab enters an option group at its chosen button; labels and frames take no focus; the
    // hidden list, frame and everything in it are never reached.
    const std::vector<std::string> expected{"Command2", "Text1",   "Check4", "Check3", "Check2",
                                            "Check1",   "Option3", "Check5", "Check6", "Check7",
                                            "Option1",  "Text3",   "Text6",  "Text7",  "Text8",
                                            "List2",    "Command1"};
    std::vector<std::string> walked;
    std::vector<std::string> viaDialogManager;
    HWND item = control("Command1");
    for (std::size_t i = 0; i < expected.size(); ++i) {
        postKey(GetFocus(), VK_TAB);
        pumpMessages();
        walked.push_back(focusedName(*form));
        item = GetNextDlgTabItem(form->handle(), item, FALSE);
        viaDialogManager.push_back(item == GetFocus() ? walked.back() : "differs");
    }
    EXPECT_EQ(walked, expected);
    EXPECT_EQ(viaDialogManager, expected);
    // A button that had the focus and lost it is not left looking like the default one.
    EXPECT_EQ(GetWindowLongW(control("Command2"), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);

    // Back against the order with the dialog manager.
    EXPECT_EQ(GetNextDlgTabItem(form->handle(), control("Command1"), TRUE), control("List2"));
    for (const char* hidden :
         {"List1", "Frame5", "Label6", "Combo1", "Label8", "Text4", "Label9", "Text5"}) {
        EXPECT_FALSE(IsWindowVisible(control(hidden))) << hidden;
    }
}

TEST_F(InputTest, ChoosingAnOptionClearsOnlyTheOthersOfItsFrame) {
    open();
    const auto state = [this] {
        std::string s;
        for (const char* name : {"Option1", "Option2", "Option5", "Option3", "Option4"})
            s += checked(control(name)) ? '1' : '0';
        return s;
    };
    EXPECT_EQ(state(), "10010");
    postClickCentre(control("Option4"));
    pumpMessages();
    EXPECT_EQ(state(), "10001") << "Start Point clears Zero only";
    postClickCentre(control("Option2"));
    pumpMessages();
    EXPECT_EQ(state(), "01001") << "Spheres clears Circles";
    postClickCentre(control("Option5"));
    pumpMessages();
    EXPECT_EQ(state(), "00101");
    postClickCentre(control("Option3"));
    pumpMessages();
    EXPECT_EQ(state(), "00110") << "Zero again clears Start Point";
    EXPECT_TRUE(form->optionValue(OptionButton::Option5));
    EXPECT_TRUE(form->optionValue(OptionButton::Option3));
    EXPECT_FALSE(form->optionValue(OptionButton::Option4));

    // The chosen button is the group's tab stop from now on.
    EXPECT_TRUE(GetWindowLongW(control("Option5"), GWL_STYLE) & WS_TABSTOP);
    EXPECT_FALSE(GetWindowLongW(control("Option1"), GWL_STYLE) & WS_TABSTOP);

    postClickCentre(control("Check6"));
    pumpMessages();
    EXPECT_EQ(form->checkValue(view::CheckBox::Check6), 1);
    postClickCentre(control("Check6"));
    pumpMessages();
    EXPECT_EQ(form->checkValue(view::CheckBox::Check6), 0);
}

TEST_F(InputTest, FeatureListTakesClicksCtrlClicksAndShiftClicksAsWindowsListsDo) {
    for (const char* id : {"F1", "F2", "F3", "F4", "F5", "F6"}) f.addFeature(id, {{1, 2, 3}});
    open();
    HWND list2 = control("List2");
    ASSERT_EQ(form->featureCount(), 6);
    const auto clickItem = [&](int index, WPARAM keys) {
        RECT item{};
        SendMessageW(list2, LB_GETITEMRECT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&item));
        postClick(list2, {(item.left + item.right) / 2, (item.top + item.bottom) / 2}, keys);
        pumpMessages();
    };
    const auto selected = [&] {
        std::set<int> indexes;
        for (std::int16_t i = 0; i < form->featureCount(); ++i)
            if (form->featureSelected(i)) indexes.insert(i);
        return indexes;
    };
    EXPECT_EQ(selected(), (std::set<int>{})) << "start-up selects nothing";

    clickItem(1, 0);
    EXPECT_EQ(selected(), (std::set<int>{1}));
    clickItem(3, MK_CONTROL);
    clickItem(5, MK_CONTROL);
    EXPECT_EQ(selected(), (std::set<int>{1, 3, 5})) << "Ctrl+click adds single items";
    clickItem(3, MK_CONTROL);
    EXPECT_EQ(selected(), (std::set<int>{1, 5})) << "and takes them away again";

    clickItem(2, 0);
    EXPECT_EQ(selected(), (std::set<int>{2})) << "a plain click selects just that item";
    clickItem(4, MK_SHIFT);
    EXPECT_EQ(selected(), (std::set<int>{2, 3, 4})) << "Shift+click: the range from the anchor";
    clickItem(0, MK_SHIFT);
    EXPECT_EQ(selected(), (std::set<int>{0, 1, 2})) << "the anchor stays, the rest is cleared";
    EXPECT_EQ(form->featureText(4), "F5");
}

// Ends a message loop that would otherwise wait for ever, with an exit code of its own.
constexpr int kLoopGuardCode = 99;
void CALLBACK endLoop(HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(kLoopGuardCode); }

TEST_F(InputTest, EnterRightAfterTheWindowAppearsEndsTheProgramEscapeDoesNothing) {
    open();
    HWND window = form->handle();
    postKey(GetFocus(), VK_ESCAPE);
    pumpMessages();
    EXPECT_TRUE(IsWindow(window)) << "there is no cancel button";
    EXPECT_EQ(focusedName(*form), "Command1");

    postKey(GetFocus(), VK_RETURN);
    const UINT_PTR guard = SetTimer(nullptr, 0, 20000, endLoop);
    const int exitCode = app::win32::runMessageLoop(window);
    KillTimer(nullptr, guard);
    EXPECT_EQ(exitCode, 0);
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(InputTest, TheFramesCloseButtonEndsTheProgram) {
    open();
    HWND window = form->handle();
    PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    pumpMessages();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(quitRequested());
}

TEST_F(InputTest, EnterOnFocusedSendToAcadPresses) {
    f.addFeature("F1", {{1, 2, 3}});
    open();
    postClick(control("List2"), {5, 5});
    pumpMessages();
    // From the list Tab wraps round to "Close", then on to "Send To Acad".
    for (int i = 0; i < 2; ++i) {
        postKey(GetFocus(), VK_TAB);
        pumpMessages();
    }
    ASSERT_EQ(focusedName(*form), "Command2");
    postKey(GetFocus(), VK_RETURN);
    pumpMessages();
    EXPECT_TRUE(IsWindow(form->handle()));
    EXPECT_EQ(f.drawn(standin::EntityKind::Circle).size(), 1u);
}

bool topmost(HWND window) { return GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST; }

class ActivationTest : public InputTest {
  protected:
    // Asks for a window to be the active one. Under a window manager the change goes through the
    // X server and back, so the answer is awaited for a bounded number of rounds.
    bool activate(HWND window) {
        for (int round = 0; round < 100; ++round) {
            if (GetActiveWindow() != window) SetForegroundWindow(window);
            pumpMessages();
            if (GetActiveWindow() == window) return true;
            Sleep(20);
        }
        return false;
    }
};

TEST_F(ActivationTest, TheWindowIsTopmostFromStartAndAgainAtEveryActivation) {
    open();
    HWND window = form->handle();
    EXPECT_TRUE(topmost(window));

    // Another window of the program's desktop takes the activation.
    HWND other = CreateWindowExW(0, L"Static", L"another application", WS_OVERLAPPEDWINDOW, 10, 10,
                                 200, 100, nullptr, nullptr, nullptr, nullptr);
    ShowWindow(other, SW_SHOW);
    ASSERT_TRUE(activate(other));
    EXPECT_TRUE(topmost(window)) << "the topmost placement persists";

    // Someone takes the window out of the topmost band; activating it puts it back.
    SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ASSERT_FALSE(topmost(window));
    ASSERT_TRUE(activate(window));
    EXPECT_TRUE(topmost(window));
    EXPECT_EQ(focusedName(*form), "Command1") << "the focus comes back to where it was";
    DestroyWindow(other);
}

TEST_F(InputTest, NumbersUseTheDecimalSeparatorOfTheUsersSettings) {
    wchar_t saved[8]{};
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, saved, 8);
    ASSERT_TRUE(SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, L","));
    f.cmm->probeRadius = 2.54;
    f.addFeature("F1", {{1.5, 2, 3}});
    open();
    const std::string text1 = form->text(view::TextBox::Text1);
    postClick(control("List2"), {5, 5});
    postText(control("Text6"), "0,25");
    postClickCentre(control("Command2"));
    pumpMessages();
    SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, saved);

    EXPECT_EQ(text1, "5,080000");
    ASSERT_EQ(form->engine().points().count(), 1);
    EXPECT_EQ(form->engine().points().lineAt(0), "X=1,75 Y=2 Z=3");
    ASSERT_EQ(f.drawn(standin::EntityKind::Circle).size(), 1u);
    EXPECT_EQ(f.drawn(standin::EntityKind::Circle)[0]->centre, (points::Point3{1.75, 2, 3}));
}

}  // namespace
}  // namespace win32test
