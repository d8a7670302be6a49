#include "plot/point_adjuster.h"

#include <array>
#include <cmath>

#include "points/number_text.h"

namespace plot {

namespace {

using view::CheckBox;
using view::TextBox;

constexpr std::array<cmm::Axis, 3> kAxes{cmm::Axis::X, cmm::Axis::Y, cmm::Axis::Z};

std::size_t indexOf(cmm::Axis axis) { return static_cast<std::size_t>(axis) - 1; }

double coordinate(cmm::PointObject& point, cmm::Axis axis, const points::NumberLocale& locale) {
    return automation::toDouble(point.coordinate(axis), locale);
}

// An overflowing or invalid result fails its step instead of writing an unusable coordinate.
double checked(double value) {
    if (!std::isfinite(value)) throw points::ProgramFailure("arithmetic overflow");
    return value;
}

}  // namespace

PointAdjuster::PointAdjuster(view::FormView& form, FeatureSteps& steps)
    : form_(form), steps_(steps) {}

void PointAdjuster::adjust(cmm::PointObject& point, std::int32_t number) {
    shift(point, cmm::Axis::X, TextBox::Text6);
    shift(point, cmm::Axis::Y, TextBox::Text7);
    shift(point, cmm::Axis::Z, TextBox::Text8);
    mirror(point, cmm::Axis::X, CheckBox::Check5);
    mirror(point, cmm::Axis::Y, CheckBox::Check6);
    mirror(point, cmm::Axis::Z, CheckBox::Check7);
    if (number == 1) {
        for (cmm::Axis axis : kAxes) {
            steps_.run(
                [&] { depthStart_[indexOf(axis)] = coordinate(point, axis, form_.locale()); });
        }
    }
    changeDepth(point);
}

void PointAdjuster::shift(cmm::PointObject& point, cmm::Axis axis, TextBox box) {
    steps_.run([&] {
        const std::string text = form_.text(box);
        if (text.empty()) return;
        const auto locale = form_.locale();
        const double offset = points::parseNumber(text, locale);
        point.setCoordinate(axis, checked(coordinate(point, axis, locale) + offset));
    });
}

void PointAdjuster::mirror(cmm::PointObject& point, cmm::Axis axis, CheckBox box) {
    steps_.run([&] {
        if (form_.checkValue(box) != 1) return;
        point.setCoordinate(axis, -coordinate(point, axis, form_.locale()));
    });
}

void PointAdjuster::changeDepth(cmm::PointObject& point) {
    constexpr std::array<CheckBox, 3> kDepthBoxes{CheckBox::Check1, CheckBox::Check2,
                                                  CheckBox::Check3};
    bool any = false;
    for (CheckBox box : kDepthBoxes) any = any || form_.checkValue(box) == 1;
    if (!any) return;
    // "Start Point" is simply "Zero" not selected.
    const bool toZero = form_.optionValue(view::OptionButton::Option3);
    for (cmm::Axis axis : kAxes) {
        steps_.run([&] {
            if (form_.checkValue(kDepthBoxes[indexOf(axis)]) != 1) return;
            point.setCoordinate(axis, toZero ? 0.0 : depthStart_[indexOf(axis)]);
        });
    }
}

}  // namespace plot
