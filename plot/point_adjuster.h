#pragma once

#include <cstdint>

#include "cmm/api.h"
#include "plot/feature_steps.h"
#include "points/point_line.h"
#include "view/form_view.h"

namespace plot {

// Shift, mirror and change of depth of one point, in that order. Every step reads its control
// and its coordinate when it runs and writes the result back into the point object, so each step
// sees what the steps before it wrote; a failing step is dropped alone.
class PointAdjuster {
  public:
    PointAdjuster(view::FormView& form, FeatureSteps& steps);

    // `number` counts the feature's points from 1; point 1 sets the depth start point.
    void adjust(cmm::PointObject& point, std::int32_t number);

  private:
    void shift(cmm::PointObject& point, cmm::Axis axis, view::TextBox box);
    void mirror(cmm::PointObject& point, cmm::Axis axis, view::CheckBox box);
    void changeDepth(cmm::PointObject& point);

    view::FormView& form_;
    FeatureSteps& steps_;
    // Taken at point 1 of each feature; zero until the first one is read.
    points::Point3 depthStart_{};
};

}  // namespace plot
