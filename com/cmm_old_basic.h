#pragma once

#include "cmm/api.h"
#include "com/member_call.h"

namespace com {

class CmmOldBasic : public cmm::OldBasic, public ComObject {
  public:
    using ComObject::ComObject;
    automation::Value getProbeRadius() override {
        return valueCall<cmm::members::kGetProbeRadius>(*this);
    }
};

}  // namespace com
