#pragma once

#include <memory>

#include "cad/api.h"
#include "cmm/api.h"

namespace app {

// What a backend runs the applications in, kept for as long as the program links to them: COM
// for the window's thread, or the stand-in CAD application's own window.
class BackendHost {
  public:
    virtual ~BackendHost() = default;
};

// The two outside applications the program drives, as this build reaches them: the embedded
// stand-ins or the real applications over COM automation. The program's entry keeps them for
// longer than the window and every link it holds.
struct Backends {
    // First, so that it goes after the connectors.
    std::unique_ptr<BackendHost> host;
    std::unique_ptr<cmm::Connector> cmm;
    std::unique_ptr<cad::Connector> cad;
};

Backends makeBackends();

}  // namespace app
