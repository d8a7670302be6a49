#pragma once

#include <memory>

#include "standin/cad.h"

namespace standin {

class CadDocument : public cad::Document {
  public:
    explicit CadDocument(CadStatePtr state) : state_(std::move(state)) {}
    cad::Value modelSpace() override;
    cad::Value groups() override;

  private:
    CadStatePtr state_;
};

}  // namespace standin
