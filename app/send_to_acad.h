#pragma once

#include "app/window_state.h"
#include "cad/api.h"
#include "cmm/api.h"
#include "view/form_view.h"

namespace app {

// The click of "Send To Acad": reads the selected features into the point list, then draws them.
void sendToAcad(view::FormView& form, cmm::Connector& cmm, cad::Connector& cad, WindowState& state);

}  // namespace app
