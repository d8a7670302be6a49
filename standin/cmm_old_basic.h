#pragma once

#include <memory>

#include "standin/cmm.h"

namespace standin {

class CmmOldBasic : public cmm::OldBasic {
  public:
    explicit CmmOldBasic(CmmStatePtr state);
    cmm::Value getProbeRadius() override;

  private:
    CmmStatePtr state_;
};

}  // namespace standin
