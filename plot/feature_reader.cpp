#include "plot/feature_reader.h"

#include <array>

#include "plot/feature_steps.h"
#include "plot/point_adjuster.h"

namespace plot {

namespace {

using automation::toObject;
using automation::toText;

constexpr std::array<cmm::Axis, 3> kAxes{cmm::Axis::X, cmm::Axis::Y, cmm::Axis::Z};

// The arguments after the point number that the measurement application expects.
constexpr std::int32_t kPointArgA = 12, kPointArgB = 3, kPointArgC = 13, kPointArgD = 0;

// One press's reading of the selected features, after the link has succeeded.
class FeatureRun {
  public:
    FeatureRun(view::FormView& form, cmm::Application& application, cmm::Machine& machine,
               points::PointList& lines)
        : form_(form),
          lines_(lines),
          locale_(form.locale()),
          application_(application),
          machine_(machine),
          steps_(form),
          adjuster_(form, steps_) {}

    points::SplineArrays readAll() {
        steps_.run([&] { lines_.clear(); });
        const std::int16_t count = form_.featureCount();
        steps_.run([&] {
            auto program = toObject<cmm::PartProgram>(application_.partProgram());
            commands_ = toObject<cmm::CommandCollection>(program->commands());
        });
        for (std::int16_t i = 0; i < count; ++i) readItem(i);
        return spline_;
    }

  private:
    bool spline() const { return form_.checkValue(view::CheckBox::Check4) == 1; }

    void readItem(std::int16_t index) {
        if (!form_.featureSelected(index)) return;
        const std::string id = form_.featureText(index);
        if (id.empty()) return;

        std::shared_ptr<cmm::Command> command;
        if (!steps_.run(
                [&] { command = toObject<cmm::Command>(commandsOrFail().commandById(id)); }))
            return;
        // A found command clears the message an earlier feature may have left.
        steps_.run([&] { view::showStatus(form_, toText(machine_.name(), locale_)); });

        bool empty = false;
        if (!steps_.run([&] { empty = toText(command->value(), locale_).empty(); }) || empty)
            return;
        std::shared_ptr<cmm::FeatureData> data;
        if (!steps_.run([&] { data = toObject<cmm::FeatureData>(command->featureData()); })) return;
        std::int16_t pointCount = 0;
        if (!steps_.run([&] {
                pointCount =
                    automation::toInt16(automation::toInt32(data->pointCount(), locale_), locale_);
            }))
            return;

        if (spline()) {
            steps_.run([&] {
                if (pointCount < 1)
                    throw points::ProgramFailure("a spline needs at least one point");
                // Sized in full width, so features beyond 10,922 points get their own array too.
                spline_.points.assign(3 * static_cast<std::size_t>(pointCount), 0.0);
            });
        }
        for (std::int32_t j = 1; j <= pointCount; ++j) readPoint(*data, j, pointCount);
    }

    cmm::CommandCollection& commandsOrFail() {
        if (!commands_) throw points::ProgramFailure("no command collection");
        return *commands_;
    }

    void readPoint(cmm::FeatureData& data, std::int32_t number, std::int32_t count) {
        std::shared_ptr<cmm::PointObject> point;
        if (!steps_.run([&] {
                point = toObject<cmm::PointObject>(
                    data.featurePoint(number, kPointArgA, kPointArgB, kPointArgC, "", kPointArgD));
            }))
            return;
        adjuster_.adjust(*point, number);

        points::Point3 xyz{};
        if (!steps_.run([&] {
                for (std::size_t k = 0; k < 3; ++k) xyz[k] = coordinate(*point, kAxes[k]);
            }))
            return;
        steps_.run(
            [&] { lines_.append(points::formatPointLine(xyz[0], xyz[1], xyz[2], locale_)); });

        if (!spline()) return;
        const std::size_t base = 3 * static_cast<std::size_t>(number - 1);
        for (std::size_t k = 0; k < 3; ++k) {
            steps_.run([&] { spline_.points.at(base + k) = coordinate(*point, kAxes[k]); });
        }
        if (number == 1) store(*point, spline_.start);
        if (number == count) store(*point, spline_.end);
    }

    // Each coordinate is read anew from the point object, after the adjustments wrote theirs.
    void store(cmm::PointObject& point, points::Point3& target) {
        for (std::size_t k = 0; k < 3; ++k) {
            steps_.run([&] { target[k] = coordinate(point, kAxes[k]); });
        }
    }

    double coordinate(cmm::PointObject& point, cmm::Axis axis) {
        return automation::toDouble(point.coordinate(axis), locale_);
    }

    view::FormView& form_;
    points::PointList& lines_;
    const points::NumberLocale locale_;
    cmm::Application& application_;
    cmm::Machine& machine_;
    FeatureSteps steps_;
    PointAdjuster adjuster_;
    std::shared_ptr<cmm::CommandCollection> commands_;
    points::SplineArrays spline_;
};

}  // namespace

std::optional<points::SplineArrays> readFeatures(view::FormView& form, cmm::Link& link,
                                                 points::PointList& lines) {
    if (!link.renew(form)) return std::nullopt;
    return FeatureRun(form, *link.application(), *link.machine(), lines).readAll();
}

}  // namespace plot
