#pragma once

#include "com/cad_group.h"

namespace com {

class CadGroups : public cad::Groups, public ComObject {
  public:
    using ComObject::ComObject;
    automation::Value item(const std::string& name) override {
        std::vector<Variant> args;
        args.push_back(Variant::text(name));
        // Named with its collection: the measurement application's collection has an Item too.
        return objectResult<CadGroup>(
            dispatch().call(cad_members::kGroupsItem, std::move(args)),
            &cad_members::kGroupInterface,
            labelOf(cad_members::kGroups) + "." + labelOf(cad_members::kGroupsItem), link());
    }
};

}  // namespace com
