#pragma once

#include "automation/com/cad_groups.h"
#include "automation/com/cad_model_space.h"

namespace automation::com {

class CadDocument : public cad::Document, public ComObject {
  public:
    using ComObject::ComObject;
    Value modelSpace() override {
        return objectResult<CadModelSpace>(dispatch().getByName("ModelSpace"), nullptr,
                                           "ModelSpace", link());
    }
    Value groups() override {
        return objectResult<CadGroups>(dispatch().getByName("Groups"), nullptr, "Groups", link());
    }
};

}  // namespace automation::com
