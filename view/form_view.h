#pragma once

#include <cstdint>
#include <string>

#include "points/number_text.h"
#include "points/point_list.h"

// The narrow view of the window's controls that the program's logic reads and writes. The Qt
// window implements it over its real controls; tests use MemoryForm.
namespace view {

enum class TextBox { Text1, Text3, Text4, Text5, Text6, Text7, Text8, Combo1 };
enum class CheckBox { Check1, Check2, Check3, Check4, Check5, Check6, Check7 };
enum class OptionButton { Option1, Option2, Option3, Option4, Option5 };

class FormView {
  public:
    virtual ~FormView() = default;

    // Label2, the status label.
    virtual std::string status() const = 0;
    virtual void setStatus(const std::string& text) = 0;

    virtual std::string text(TextBox box) const = 0;
    virtual void setText(TextBox box, const std::string& text) = 0;
    virtual int checkValue(CheckBox box) const = 0;  // 1 means checked
    virtual bool optionValue(OptionButton button) const = 0;

    // List2, the feature list. Its count is 16-bit: appending beyond 32,767 items fails.
    virtual std::int16_t featureCount() const = 0;
    virtual std::string featureText(std::int16_t index) const = 0;
    virtual bool featureSelected(std::int16_t index) const = 0;
    virtual void appendFeature(const std::string& id) = 0;

    // List1, the hidden point list.
    virtual points::PointList& pointList() = 0;

    // A modal message box with an OK button; returns when it is closed.
    virtual void showMessage(const std::string& text) = 0;

    virtual points::NumberLocale locale() const = 0;
};

}  // namespace view
