#pragma once

#include "app/window_state.h"
#include "cmm/api.h"
#include "view/form_view.h"

namespace app {

// The window's load after keep-on-top: links to the measurement application, shows the machine
// name and the probe diameter and fills the feature list, or shows "Can't Link to PC-DMIS",
// keeping what was already written.
void startUp(view::FormView& form, cmm::Connector& connector, WindowState& state);

}  // namespace app
