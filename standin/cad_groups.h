#pragma once

#include <memory>
#include <string>

#include "standin/cad.h"

namespace standin {

class CadGroups : public cad::Groups {
  public:
    explicit CadGroups(CadStatePtr state) : state_(std::move(state)) {}
    cad::Value item(const std::string& name) override;

  private:
    CadStatePtr state_;
};

}  // namespace standin
