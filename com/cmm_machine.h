#pragma once

#include "cmm/api.h"
#include "com/cmm_members.h"
#include "com/com_object.h"
#include "com/result.h"

namespace com {

class CmmMachine : public cmm::Machine, public ComObject {
  public:
    using ComObject::ComObject;
    automation::Value name() override { return toValue(dispatch().get(cmm_members::kMachineName)); }
};

}  // namespace com
