#pragma once

#include <memory>

#include "cad/api.h"
#include "cmm/api.h"

namespace app {

// The two outside applications the program drives, as this build reaches them: the embedded
// stand-ins or the real applications over COM automation.
struct Backends {
    std::unique_ptr<cmm::Connector> cmm;
    std::unique_ptr<cad::Connector> cad;
    // Whatever the backend shows of its own (the stand-in's drawing viewer); declared last so that
    // it goes before the connectors whose state it watches.
    std::shared_ptr<void> extras;
};

Backends makeBackends();

}  // namespace app
