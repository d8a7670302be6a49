#pragma once

#include "com/cad_group.h"

namespace com {

class CadGroups : public cad::Groups, public ComObject {
  public:
    using ComObject::ComObject;
    automation::Value item(const std::string& name) override {
        std::vector<Variant> args;
        args.push_back(Variant::text(name));
        return objectResult<CadGroup>(dispatch().callByName("Item", std::move(args)),
                                      &ids::kCadGroup, "Groups.Item", link());
    }
};

}  // namespace com
