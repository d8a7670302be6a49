#pragma once

#include <windows.h>

#include <memory>

#include "cmm/api.h"
#include "standin/com/server_control.h"

namespace standin::com {

// The embedded measurement stand-in served as the class behind "pcdlrn.application": the class
// object is registered for as long as this object lives. In a test process the ProgID is written
// to the registry as well; a server executable leaves the registry to its registration.
class CmmServer {
  public:
    explicit CmmServer(std::shared_ptr<cmm::Connector> connector);
    CmmServer(std::shared_ptr<cmm::Connector> connector, const CLSID& served);
    CmmServer(const CmmServer&) = delete;
    CmmServer& operator=(const CmmServer&) = delete;
    ~CmmServer();

    ServerControl& control() { return *control_; }
    const std::shared_ptr<ServerControl>& sharedControl() const { return control_; }

  private:
    class Factory;
    std::shared_ptr<ServerControl> control_;
    std::unique_ptr<Factory> factory_;
    DWORD cookie_ = 0;
    bool progIdWritten_ = false;
};

}  // namespace standin::com
