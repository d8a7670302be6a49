#pragma once

#include "cad/link.h"
#include "points/point_list.h"
#include "points/spline_arrays.h"
#include "view/form_view.h"

namespace cad {

// The second phase of a press: links to the running CAD application anew and draws every point
// line as the chosen marker, then the spline when "Create Spline" is checked. The window's probe
// radius is taken anew from "Probe Dia:" for every line.
void sendToCad(view::FormView& form, Link& link, const points::PointList& lines,
               const points::SplineArrays& spline, double& probeRadius);

}  // namespace cad
