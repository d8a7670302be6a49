#pragma once

#include "cmm/api.h"
#include "com/cmm_members.h"
#include "com/com_object.h"
#include "com/result.h"

namespace com {

class CmmOldBasic : public cmm::OldBasic, public ComObject {
  public:
    using ComObject::ComObject;
    automation::Value getProbeRadius() override {
        return toValue(dispatch().call(cmm_members::kGetProbeRadius));
    }
};

}  // namespace com
