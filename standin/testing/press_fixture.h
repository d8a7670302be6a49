#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/form_engine.h"
#include "standin/cad.h"
#include "standin/cmm.h"
#include "view/testing/memory_form.h"

namespace standin::testing {

// A shell with nothing to show: the window in memory has no cursor and no List1.
struct QuietShell : app::FormShell {
    void busyBegins() override {}
    void busyEnds() override {}
    void showPointList(const points::PointList&) override {}
    void discardPendingInput() override {}
};

inline std::vector<std::string> linesOf(const points::PointList& points) {
    std::vector<std::string> lines;
    for (std::int16_t i = 0; i < points.count(); ++i) lines.push_back(points.lineAt(i));
    return lines;
}

// A window in memory wired to both stand-ins, for driving whole presses in tests: a machine
// "CMM-1" with a probe of diameter 1, an empty part program and an empty running drawing.
struct PressFixture {
    std::shared_ptr<CmmState> cmm = std::make_shared<CmmState>();
    std::shared_ptr<CadState> cad = std::make_shared<CadState>();
    CmmConnector cmmConnector{cmm};
    CadConnector cadConnector{cad};
    view::MemoryForm form;
    QuietShell shell;
    app::FormEngine engine{form, shell, cmmConnector, cadConnector};

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

    // The scene the presses through COM are compared on: a part box (0..10)^3 in group "PART"
    // (unless left out) and the features F1, F3, F5 and F7; F3's last point lies just above the
    // box, within reach of a tolerance sphere.
    void addComparisonScene(bool withPart = true) {
        if (withPart) {
            DrawnEntity part;
            part.kind = EntityKind::Solid;
            part.shape = geometry::Box{{0, 0, 0}, {10, 10, 10}};
            cad->drawing.defineGroup("PART", {cad->drawing.add(part)});
        }
        addFeature("F1", {{9, 9, 9}});
        addFeature("F3", {{1, 2, 3}, {4, 5, 6}, {5, 5, 10.45}});
        addFeature("F5", {{9, 9, 9}});
        addFeature("F7", {{-1.5, 20, 3.25}, {20, 20, 20}});
    }

    void press() { engine.press(); }

    std::vector<std::string> lines() const { return linesOf(engine.points()); }

    std::vector<EntityPtr> drawn(EntityKind kind) const { return cad->drawing.entitiesOf(kind); }
};

}  // namespace standin::testing
