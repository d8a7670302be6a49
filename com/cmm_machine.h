#pragma once

#include "cmm/api.h"
#include "com/member_call.h"

namespace com {

class CmmMachine : public cmm::Machine, public ComObject {
  public:
    using ComObject::ComObject;
    automation::Value name() override { return valueCall<cmm::members::kMachineName>(*this); }
};

}  // namespace com
