#pragma once

#include "com/cmm_command_collection.h"
#include "com/cmm_old_basic.h"

namespace com {

// The part program and its OldBasic have no interface identifier to check against.
class CmmPartProgram : public cmm::PartProgram, public ComObject {
  public:
    using ComObject::ComObject;
    automation::Value oldBasic() override {
        return objectResult<CmmOldBasic>(dispatch().get(cmm_members::kOldBasic), nullptr,
                                         labelOf(cmm_members::kOldBasic), link());
    }
    automation::Value commands() override {
        return objectResult<CmmCommandCollection>(dispatch().get(cmm_members::kCommands),
                                                  &cmm_members::kCommandsInterface,
                                                  labelOf(cmm_members::kCommands), link());
    }
};

}  // namespace com
