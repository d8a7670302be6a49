#pragma once

#include <cstdint>
#include <string>

#include "points/number_text.h"

// The narrow view of the window's controls that the program's logic reads and writes. Each
// window (Qt, Win32) implements it over its real controls; tests use MemoryForm.
namespace view {

// The controls the logic reads and writes. Count closes each list, so that a table of names
// indexed by one can be checked against it when compiled.
enum class TextBox { Text1, Text3, Text4, Text5, Text6, Text7, Text8, Combo1, Count };
enum class CheckBox { Check1, Check2, Check3, Check4, Check5, Check6, Check7, Count };
enum class OptionButton { Option1, Option2, Option3, Option4, Option5, Count };

// The window's lists count their items in 16 bits.
inline constexpr std::int16_t kMaxListItems = 32767;

class FormView {
  public:
    virtual ~FormView() = default;

    // Label2, the status label.
    virtual std::string status() const = 0;
    virtual void setStatus(const std::string& text) = 0;
    // The cause behind the status label's text or the last message box: shown as Label2's
    // tooltip and, when not empty, written to the debugger output. Empty takes the tip away.
    virtual void setStatusTip(const std::string& cause) = 0;

    virtual std::string text(TextBox box) const = 0;
    virtual void setText(TextBox box, const std::string& text) = 0;
    virtual int checkValue(CheckBox box) const = 0;  // 1 means checked
    virtual bool optionValue(OptionButton button) const = 0;

    // List2, the feature list; the caller keeps it within kMaxListItems.
    virtual std::int16_t featureCount() const = 0;
    virtual std::string featureText(std::int16_t index) const = 0;
    virtual bool featureSelected(std::int16_t index) const = 0;
    virtual void appendFeature(const std::string& id) = 0;

    // A modal message box with an OK button; returns when it is closed.
    virtual void showMessage(const std::string& text) = 0;

    virtual points::NumberLocale locale() const = 0;
};

}  // namespace view
