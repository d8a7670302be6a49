#pragma once

#include "com/cad_entity.h"

namespace com {

class CadGroup : public cad::Group, public ComObject {
  public:
    using ComObject::ComObject;
    automation::Value entityAt(std::int16_t index) override {
        return objectCall<CadEntity<cad::Entity>, cad::members::kEntityAt>(*this, index);
    }
};

}  // namespace com
