#pragma once

#include <span>

#include "view/form_view.h"

namespace app {

enum class ControlKind {
    Label,
    TextBox,
    Frame,
    CheckBox,
    OptionButton,
    CommandButton,
    ComboBox,
    ListBox
};

// One control of the window as it was laid out: designer name, kind, the frame it sits in
// (nullptr for the window itself), caption, place in twips relative to its parent, tab index and
// whether it is ever shown, and for option buttons whether it starts chosen. Frames come before the
// controls inside them.
struct ControlDesign {
    const char* name;
    ControlKind kind;
    const char* parent;
    const char* caption;
    int left, top, width, height;
    int tabIndex;
    bool visible;
    bool startsChosen = false;
};

std::span<const ControlDesign> controlTable();

// The designer names of the controls the logic reads and writes through the view.
const char* designerName(view::TextBox box);
const char* designerName(view::CheckBox box);
const char* designerName(view::OptionButton button);

// The window's client area in twips; it never changes size.
inline constexpr int kClientWidthTwips = 4455;
inline constexpr int kClientHeightTwips = 5475;

}  // namespace app
