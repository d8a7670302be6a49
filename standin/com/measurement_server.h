#pragma once

#include <memory>

#include "cmm/api.h"
#include "standin/com/server_control.h"

namespace standin::com {

// The embedded measurement stand-in served as the class behind "pcdlrn.application": the ProgID
// is written to the registry and the class object registered, for as long as this object lives.
class MeasurementServer {
  public:
    explicit MeasurementServer(std::shared_ptr<cmm::Connector> connector);
    MeasurementServer(const MeasurementServer&) = delete;
    MeasurementServer& operator=(const MeasurementServer&) = delete;
    ~MeasurementServer();

    ServerControl& control() { return *control_; }

  private:
    class Factory;
    std::shared_ptr<ServerControl> control_;
    std::unique_ptr<Factory> factory_;
    DWORD cookie_ = 0;
};

}  // namespace standin::com
