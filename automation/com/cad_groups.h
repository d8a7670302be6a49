#pragma once

#include "automation/com/cad_group.h"

namespace automation::com {

class CadGroups : public cad::Groups, public ComObject {
  public:
    using ComObject::ComObject;
    Value item(const std::string& name) override {
        std::vector<Variant> args;
        args.push_back(Variant::text(name));
        return objectResult<CadGroup>(dispatch().callByName("Item", std::move(args)),
                                      &ids::kCadGroup, "Groups.Item", link());
    }
};

}  // namespace automation::com
