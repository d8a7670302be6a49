#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/send_to_acad.h"
#include "app/window_state.h"
#include "standin/cad.h"
#include "standin/measurement.h"
#include "view/memory_form.h"

namespace standin::testing {

// A window in memory wired to both stand-ins, for driving whole presses in tests: a machine
// "CMM-1" with a probe of diameter 1, an empty part program and an empty running drawing.
struct PressFixture {
    std::shared_ptr<MeasurementState> cmm = std::make_shared<MeasurementState>();
    std::shared_ptr<CadState> cad = std::make_shared<CadState>();
    MeasurementConnector cmmConnector{cmm};
    CadConnector cadConnector{cad};
    view::MemoryForm form;
    app::WindowState state;

    PressFixture() {
        cmm->machineName = "CMM-1";
        cmm->probeRadius = 0.5;
        form.label2 = "CMM-1";
        form.texts[view::TextBox::Text1] = "1.000000";
    }

    // Adds a command to the part program and its ID to the feature list.
    void addFeature(const std::string& id, std::vector<points::Point3> points,
                    const std::string& value = "FEAT/POINT") {
        cmm->commands.push_back({id, value, std::move(points)});
        form.features.push_back({id, false});
    }

    void press() { app::sendToAcad(form, cmmConnector, cadConnector, state); }

    std::vector<std::string> lines() const {
        std::vector<std::string> result;
        for (std::int16_t i = 0; i < form.points.count(); ++i)
            result.push_back(form.points.lineAt(i));
        return result;
    }

    std::vector<EntityPtr> drawn(EntityKind kind) const { return cad->drawing.entitiesOf(kind); }
};

}  // namespace standin::testing
