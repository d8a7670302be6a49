#pragma once

#include "com/cad_groups.h"
#include "com/cad_model_space.h"

namespace com {

class CadDocument : public cad::Document, public ComObject {
  public:
    using ComObject::ComObject;
    automation::Value modelSpace() override {
        return objectResult<CadModelSpace>(dispatch().get(cad_members::kModelSpace), nullptr,
                                           labelOf(cad_members::kModelSpace), link());
    }
    automation::Value groups() override {
        return objectResult<CadGroups>(dispatch().get(cad_members::kGroups), nullptr,
                                       labelOf(cad_members::kGroups), link());
    }
};

}  // namespace com
