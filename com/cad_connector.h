#pragma once

#include "cad/api.h"

namespace com {

// Attaches to the CAD application that is running, through the running object table; it never
// starts one.
class CadConnector : public cad::Connector {
  public:
    cad::Value attach() override;
};

}  // namespace com
