#pragma once

#include "automation/com/com_object.h"
#include "automation/com/result.h"
#include "cmm/api.h"

namespace automation::com {

class CmmOldBasic : public cmm::OldBasic, public ComObject {
  public:
    using ComObject::ComObject;
    Value getProbeRadius() override { return toValue(dispatch().callByName("GetProbeRadius")); }
};

}  // namespace automation::com
