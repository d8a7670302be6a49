#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "standin/cad.h"

namespace standin {

class CadGroup : public cad::Group {
  public:
    CadGroup(CadStatePtr state, std::vector<EntityPtr> members)
        : state_(std::move(state)), members_(std::move(members)) {}
    cad::Value entityAt(std::int16_t index) override;

  private:
    CadStatePtr state_;
    std::vector<EntityPtr> members_;
};

}  // namespace standin
