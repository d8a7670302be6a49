#include "app/send_to_acad.h"

#include "cad/send_to_cad.h"
#include "plot/feature_reader.h"

namespace app {

void sendToAcad(view::FormView& form, cmm::Connector& cmm, cad::Connector& cad,
                WindowState& state) {
    if (auto spline = plot::readFeatures(form, cmm, state)) {
        cad::sendToCad(form, cad, state, *spline);
    }
}

}  // namespace app
