#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "standin/cmm.h"

namespace standin {

class CmmCommands : public cmm::CommandCollection {
  public:
    explicit CmmCommands(CmmStatePtr state);
    cmm::Value count() override;
    cmm::Value item(std::int16_t& position) override;
    cmm::Value commandById(const std::string& id) override;

  private:
    CmmStatePtr state_;
};

}  // namespace standin
