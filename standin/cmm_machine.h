#pragma once

#include <memory>

#include "standin/cmm.h"

namespace standin {

class CmmMachine : public cmm::Machine {
  public:
    explicit CmmMachine(CmmStatePtr state);
    cmm::Value name() override;

  private:
    CmmStatePtr state_;
};

}  // namespace standin
