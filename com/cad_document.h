#pragma once

#include "com/cad_groups.h"
#include "com/cad_model_space.h"

namespace com {

class CadDocument : public cad::Document, public ComObject {
  public:
    using ComObject::ComObject;
    automation::Value modelSpace() override {
        return objectResult<CadModelSpace>(dispatch().getByName("ModelSpace"), nullptr,
                                           "ModelSpace", link());
    }
    automation::Value groups() override {
        return objectResult<CadGroups>(dispatch().getByName("Groups"), nullptr, "Groups", link());
    }
};

}  // namespace com
