#include "app/control_table.h"

#include <array>

namespace app {

namespace {

using K = ControlKind;

constexpr std::array kControls{
    ControlDesign{"Label1", K::Label, nullptr, "Machine Name:", 45, 45, 1695, 255, 0, true},
    ControlDesign{"Label2", K::Label, nullptr, "", 1800, 45, 3015, 255, 1, true},
    ControlDesign{"Label5", K::Label, nullptr, "Probe Dia:", 60, 450, 855, 255, 7, true},
    ControlDesign{"Text1", K::TextBox, nullptr, "", 930, 405, 975, 330, 8, true},
    ControlDesign{"Frame6", K::Frame, nullptr, "Plot Features", 45, 810, 1995, 1860, 42, true},
    ControlDesign{"List2", K::ListBox, "Frame6", "", 135, 270, 1725, 1035, 43, true},
    ControlDesign{"Label13", K::Label, "Frame6", "Single or Multi Select Items for Plot", 135, 1350,
                  1680, 375, 44, true},
    ControlDesign{"Frame1", K::Frame, nullptr, "Shift", 2160, 810, 1290, 1245, 35, true},
    ControlDesign{"Label10", K::Label, "Frame1", "X:", 120, 240, 135, 165, 37, true},
    ControlDesign{"Text6", K::TextBox, "Frame1", "", 315, 225, 885, 285, 36, true},
    ControlDesign{"Label11", K::Label, "Frame1", "Y:", 120, 600, 165, 195, 38, true},
    ControlDesign{"Text7", K::TextBox, "Frame1", "", 315, 540, 870, 285, 40, true},
    ControlDesign{"Label12", K::Label, "Frame1", "Z:", 135, 900, 165, 255, 39, true},
    ControlDesign{"Text8", K::TextBox, "Frame1", "", 315, 855, 870, 285, 41, true},
    ControlDesign{"Frame3", K::Frame, nullptr, "Mirror", 3555, 810, 810, 1200, 18, true},
    ControlDesign{"Check5", K::CheckBox, "Frame3", "X", 180, 240, 495, 195, 19, true},
    ControlDesign{"Check6", K::CheckBox, "Frame3", "Y", 180, 495, 495, 255, 20, true},
    ControlDesign{"Check7", K::CheckBox, "Frame3", "Z", 180, 810, 495, 255, 21, true},
    ControlDesign{"Check4", K::CheckBox, nullptr, "Create Spline", 2340, 2295, 1455, 255, 10, true},
    ControlDesign{"Frame4", K::Frame, nullptr, "Check Part With:", 45, 2745, 2130, 1860, 22, true},
    ControlDesign{"Option1", K::OptionButton, "Frame4", "Circles", 180, 270, 870, 330, 31, true,
                  true},
    ControlDesign{"Option2", K::OptionButton, "Frame4", "Spheres", 180, 585, 1005, 330, 30, true},
    ControlDesign{"Option5", K::OptionButton, "Frame4", "Sphere Tolerance", 180, 1080, 1635, 240,
                  32, true},
    ControlDesign{"Label7", K::Label, "Frame4", "\u00b1 Tolerance: ", 180, 1440, 1005, 285, 34,
                  true},
    ControlDesign{"Text3", K::TextBox, "Frame4", "", 1170, 1350, 735, 330, 33, true},
    ControlDesign{"Frame2", K::Frame, nullptr, "Change Depth Of:", 2295, 3285, 2070, 1335, 11,
                  true},
    ControlDesign{"Check1", K::CheckBox, "Frame2", "X", 240, 360, 495, 255, 14, true},
    ControlDesign{"Check2", K::CheckBox, "Frame2", "Y", 810, 360, 375, 255, 13, true},
    ControlDesign{"Check3", K::CheckBox, "Frame2", "Z", 1350, 360, 495, 255, 12, true},
    ControlDesign{"Label3", K::Label, "Frame2", "To:", 120, 720, 495, 255, 17, true},
    ControlDesign{"Option3", K::OptionButton, "Frame2", "Zero", 180, 960, 735, 255, 15, true, true},
    ControlDesign{"Option4", K::OptionButton, "Frame2", "Start Point", 945, 960, 1095, 255, 16,
                  true},
    ControlDesign{"Command2", K::CommandButton, nullptr, "Send To Acad", 855, 4950, 1335, 375, 3,
                  true},
    ControlDesign{"Command1", K::CommandButton, nullptr, "Close", 2520, 4950, 1350, 375, 2, true},
    ControlDesign{"List1", K::ListBox, nullptr, "", 3600, -1440, 4695, 2010, 6, false},
    ControlDesign{"Frame5", K::Frame, nullptr, "Plot Feature", 2790, 4140, 2850, 1230, 23, false},
    ControlDesign{"Label6", K::Label, "Frame5", "Feature:", 135, 360, 705, 285, 25, false},
    ControlDesign{"Combo1", K::ComboBox, "Frame5", "", 840, 315, 975, 315, 24, false},
    ControlDesign{"Label8", K::Label, "Frame5", "Plot Features F", 135, 765, 1095, 240, 26, false},
    ControlDesign{"Text4", K::TextBox, "Frame5", "", 1215, 720, 555, 285, 27, false},
    ControlDesign{"Label9", K::Label, "Frame5", "Thru", 1800, 765, 375, 195, 28, false},
    ControlDesign{"Text5", K::TextBox, "Frame5", "", 2205, 720, 510, 285, 29, false},
};

// Designer names in the order of the view's enumerations.
constexpr std::array kTextBoxNames{"Text1", "Text3", "Text4", "Text5",
                                   "Text6", "Text7", "Text8", "Combo1"};
constexpr std::array kCheckBoxNames{"Check1", "Check2", "Check3", "Check4",
                                    "Check5", "Check6", "Check7"};
constexpr std::array kOptionButtonNames{"Option1", "Option2", "Option3", "Option4", "Option5"};

template <class Enum>
constexpr std::size_t countOf() {
    return static_cast<std::size_t>(Enum::Count);
}
static_assert(kTextBoxNames.size() == countOf<view::TextBox>());
static_assert(kCheckBoxNames.size() == countOf<view::CheckBox>());
static_assert(kOptionButtonNames.size() == countOf<view::OptionButton>());

}  // namespace

const char* designerName(view::TextBox box) {
    return kTextBoxNames.at(static_cast<std::size_t>(box));
}

const char* designerName(view::CheckBox box) {
    return kCheckBoxNames.at(static_cast<std::size_t>(box));
}

const char* designerName(view::OptionButton button) {
    return kOptionButtonNames.at(static_cast<std::size_t>(button));
}

std::span<const ControlDesign> controlTable() { return kControls; }

}  // namespace app
