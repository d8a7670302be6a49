#pragma once

#include "standin/cad_entity.h"

namespace standin {

class CadSolid : public CadEntity<cad::Solid> {
  public:
    using CadEntity::CadEntity;
    cad::Value measure() override;
};

}  // namespace standin
