#pragma once

#include "com/cad_group.h"

namespace com {

class CadGroups : public cad::Groups, public ComObject {
  public:
    using ComObject::ComObject;
    automation::Value item(const std::string& name) override {
        constexpr const Member& row = cad::members::kGroupsItem;
        // Named with its collection: the measurement application's collection has an Item too.
        return objectResult<CadGroup>(invoke<row>(*this, name), row.resultFace,
                                      labelOf(cad::members::kGroups) + "." + labelOf(row), link());
    }
};

}  // namespace com
