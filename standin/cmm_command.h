#pragma once

#include <cstddef>
#include <memory>

#include "standin/cmm.h"

namespace standin {

class CmmCommand : public cmm::Command {
  public:
    CmmCommand(CmmStatePtr state, std::size_t command);
    cmm::Value id() override;
    cmm::Value value() override;
    cmm::Value featureData() override;

  private:
    CmmStatePtr state_;
    std::size_t command_;
};

}  // namespace standin
