#pragma once

#include "com/cad_entity.h"

namespace com {

class CadSolid : public CadEntity<cad::Solid> {
  public:
    using CadEntity::CadEntity;
    automation::Value measure() override {
        double measured = 0.0;
        callDirect(face(ids::kCadSolid, "Measure"), ids::kMeasurePosition, "Measure", &measured);
        return automation::Value(measured);
    }
};

}  // namespace com
