#pragma once

#include <windows.h>

#include <memory>

#include "cad/api.h"
#include "standin/com/server_control.h"

namespace standin::com {

// The embedded CAD stand-in served as the running application behind "AutoCAD.Application.15":
// while running, the application object is in the running object table under the served class.
// In a test process the ProgID is written to the registry as well; a server executable leaves
// the registry to its registration.
class CadServer {
  public:
    explicit CadServer(std::shared_ptr<cad::Connector> connector, bool running = true);
    CadServer(std::shared_ptr<cad::Connector> connector, const CLSID& served);
    CadServer(const CadServer&) = delete;
    CadServer& operator=(const CadServer&) = delete;
    ~CadServer();

    // Attaches to the embedded application and registers it as running; stop() takes it out.
    void start();
    void stop();
    ServerControl& control() { return *control_; }
    const std::shared_ptr<ServerControl>& sharedControl() const { return control_; }

  private:
    std::shared_ptr<cad::Connector> connector_;
    std::shared_ptr<ServerControl> control_;
    CLSID served_;
    DWORD cookie_ = 0;
    bool running_ = false;
    bool progIdWritten_ = false;
};

}  // namespace standin::com
