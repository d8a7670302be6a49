#pragma once

#include "com/cmm_command_collection.h"
#include "com/cmm_old_basic.h"

namespace com {

// The part program and its OldBasic have no interface identifier to check against.
class CmmPartProgram : public cmm::PartProgram, public ComObject {
  public:
    using ComObject::ComObject;
    automation::Value oldBasic() override {
        return objectCall<CmmOldBasic, cmm::members::kOldBasic>(*this);
    }
    automation::Value commands() override {
        return objectCall<CmmCommandCollection, cmm::members::kCommands>(*this);
    }
};

}  // namespace com
