#pragma once

#include <memory>

#include "standin/cmm.h"

namespace standin {

class CmmPartProgram : public cmm::PartProgram {
  public:
    explicit CmmPartProgram(CmmStatePtr state);
    cmm::Value oldBasic() override;
    cmm::Value commands() override;

  private:
    CmmStatePtr state_;
};

}  // namespace standin
