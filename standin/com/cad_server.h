#pragma once

#include <memory>

#include "cad/api.h"
#include "standin/com/server_control.h"

namespace standin::com {

// The embedded CAD stand-in served as the running application behind "AutoCAD.Application.15":
// the ProgID is written to the registry and, while running, the application object is in the
// running object table.
class CadServer {
  public:
    explicit CadServer(std::shared_ptr<cad::Connector> connector, bool running = true);
    CadServer(const CadServer&) = delete;
    CadServer& operator=(const CadServer&) = delete;
    ~CadServer();

    // Attaches to the embedded application and registers it as running; stop() takes it out.
    void start();
    void stop();
    ServerControl& control() { return *control_; }

  private:
    std::shared_ptr<cad::Connector> connector_;
    std::shared_ptr<ServerControl> control_;
    DWORD cookie_ = 0;
    bool running_ = false;
};

}  // namespace standin::com
