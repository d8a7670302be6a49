#pragma once

#include <memory>

#include "cad/api.h"
#include "cmm/api.h"

namespace app {

// What the window keeps between its handlers: the links to both outside applications, replaced
// at start-up and at every press, and the probe radius.
struct WindowState {
    std::shared_ptr<cmm::Application> cmmApplication;
    std::shared_ptr<cmm::Machine> machine;
    std::shared_ptr<cad::Application> cadApplication;
    std::shared_ptr<cad::Document> cadDocument;
    std::shared_ptr<cad::Circle> lastCircle;
    double probeRadius = 0.0;
};

}  // namespace app
