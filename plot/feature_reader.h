#pragma once

#include <optional>

#include "cmm/link.h"
#include "points/point_list.h"
#include "points/spline_arrays.h"
#include "view/form_view.h"

namespace plot {

// The first phase of a press: links to the measurement application anew, empties the point list
// and fills it with one adjusted point line per point of every selected feature, in list order.
// Returns the spline arrays for the drawing phase, or nothing when the link failed (the press
// ends then with "Can't Link to PC-DMIS").
std::optional<points::SplineArrays> readFeatures(view::FormView& form, cmm::Link& link,
                                                 points::PointList& lines);

}  // namespace plot
