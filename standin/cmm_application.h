#pragma once

#include <cstdint>
#include <memory>

#include "standin/cmm.h"

namespace standin {

class CmmApplication : public cmm::Application {
  public:
    explicit CmmApplication(CmmStatePtr state);
    cmm::Value machine(std::int16_t number) override;
    cmm::Value partProgram() override;

  private:
    CmmStatePtr state_;
};

}  // namespace standin
