#pragma once

#include "cmm/api.h"

namespace com {

// Creates the measurement application from its ProgID, a new link at every call.
class CmmConnector : public cmm::Connector {
  public:
    cmm::Value create() override;
};

}  // namespace com
