#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/win32/form1.h"
#include "com/tests/com_press_fixture.h"

namespace win32test {

// What a message box showed before the test pressed its OK button.
struct ShownBox {
    std::string caption;
    std::string text;
    HWND owner;
    bool ownerEnabled;  // false while the box is modal to its owner
    bool busyCursor;    // the wait cursor was up when the box came
};

// Answers every message box of this thread while it lives: a CBT hook sees each box as it is
// activated, reads it, and presses its OK button by posting the click the box's own loop takes.
class MessageBoxAnswerer {
  public:
    MessageBoxAnswerer();
    MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
    MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;
    ~MessageBoxAnswerer();

    const std::vector<ShownBox>& shown() const { return shown_; }
    std::vector<std::string> texts() const;

    // Runs as the next box comes, before it is answered: input queued here reaches the box's own
    // message loop ahead of the answer.
    std::function<void()> whenNextShown;

  private:
    static LRESULT CALLBACK hook(int code, WPARAM wParam, LPARAM lParam);
    static MessageBoxAnswerer* current_;
    HHOOK hook_;
    std::vector<ShownBox> shown_;
};

// Runs the thread's messages until none are left, through the dialog manager as the program's
// loop does. Returns whether the program asked to end (WM_QUIT).
bool pump(HWND form);

std::string windowText(HWND window);
std::string className(HWND window);

// Posted input, as a user gives it: a click at a point of a control (with Shift or Ctrl held,
// given as MK_SHIFT / MK_CONTROL), a key, typed text.
void postClick(HWND control, POINT at, WPARAM keys = 0);
void postClickCentre(HWND control, WPARAM keys = 0);
void postKey(HWND target, UINT virtualKey);
void postText(HWND target, std::string_view text);

// The program's window, opened as the program opens it, over both embedded stand-ins served as
// COM servers in this process; the stand-ins' state is the one the embedded-stand-in tests use.
class WindowTest : public comtest::ComPressFixture {
  protected:
    void TearDown() override;

    // Opens the window: create, start-up, show, as the program does.
    app::win32::Form1& open();
    HWND control(std::string_view name) const;
    void pumpMessages() { quitRequested_ = pump(form->handle()) || quitRequested_; }
    bool quitRequested() const { return quitRequested_; }

    std::unique_ptr<app::win32::Form1> form;

  private:
    bool quitRequested_ = false;
};

}  // namespace win32test
