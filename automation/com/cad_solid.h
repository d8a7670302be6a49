#pragma once

#include "automation/com/cad_entity.h"

namespace automation::com {

class CadSolid : public CadEntity<cad::Solid> {
  public:
    using CadEntity::CadEntity;
    Value measure() override {
        double measured = 0.0;
        callDirect(face(ids::kCadSolid, "Measure"), ids::kMeasurePosition, "Measure", &measured);
        return Value(measured);
    }
};

}  // namespace automation::com
