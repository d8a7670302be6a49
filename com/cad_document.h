#pragma once

#include "com/cad_groups.h"
#include "com/cad_model_space.h"

namespace com {

class CadDocument : public cad::Document, public ComObject {
  public:
    using ComObject::ComObject;
    automation::Value modelSpace() override {
        return objectCall<CadModelSpace, cad::members::kModelSpace>(*this);
    }
    automation::Value groups() override {
        return objectCall<CadGroups, cad::members::kGroups>(*this);
    }
};

}  // namespace com
