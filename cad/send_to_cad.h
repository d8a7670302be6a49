#pragma once

#include "app/window_state.h"
#include "cad/api.h"
#include "points/spline_arrays.h"
#include "view/form_view.h"

namespace cad {

// The second phase of a press: attaches to the running CAD application and draws every point
// line as the chosen marker, then the spline when "Create Spline" is checked.
void sendToCad(view::FormView& form, Connector& connector, app::WindowState& state,
               const points::SplineArrays& spline);

}  // namespace cad
