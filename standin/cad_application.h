#pragma once

#include <memory>

#include "standin/cad.h"

namespace standin {

class CadApplication : public cad::Application {
  public:
    explicit CadApplication(CadStatePtr state) : state_(std::move(state)) {}
    void setVisible(bool visible) override;
    cad::Value activeDocument() override;

  private:
    CadStatePtr state_;
};

}  // namespace standin
