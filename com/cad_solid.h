#pragma once

#include "com/cad_entity.h"

namespace com {

class CadSolid : public CadEntity<cad::Solid> {
  public:
    using CadEntity::CadEntity;
    automation::Value measure() override {
        double measured = 0.0;
        callDirect(*this, cad_members::kMeasure, &measured);
        return automation::Value(measured);
    }
};

}  // namespace com
