#pragma once

#include "com/cmm_command_collection.h"
#include "com/cmm_old_basic.h"

namespace com {

// The part program and its OldBasic have no interface identifier to check against.
class CmmPartProgram : public cmm::PartProgram, public ComObject {
  public:
    using ComObject::ComObject;
    automation::Value oldBasic() override {
        return objectResult<CmmOldBasic>(dispatch().getByName("OldBasic"), nullptr, "OldBasic",
                                         link());
    }
    automation::Value commands() override {
        return objectResult<CmmCommandCollection>(dispatch().getByName("Commands"),
                                                  &ids::kCmmCommands, "Commands", link());
    }
};

}  // namespace com
