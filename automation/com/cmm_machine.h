#pragma once

#include "automation/com/com_object.h"
#include "automation/com/result.h"
#include "cmm/api.h"

namespace automation::com {

class CmmMachine : public cmm::Machine, public ComObject {
  public:
    using ComObject::ComObject;
    Value name() override { return toValue(dispatch().get(1, "machine name (member 1)")); }
};

}  // namespace automation::com
