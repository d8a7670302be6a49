#pragma once

#include "automation/com/cmm_command.h"

namespace automation::com {

class CmmCommandCollection : public cmm::CommandCollection, public ComObject {
  public:
    using ComObject::ComObject;
    Value count() override { return toValue(dispatch().getByName("count")); }
    Value item(std::int16_t& position) override {
        std::vector<Variant> args;
        args.push_back(Variant::int16Ref(&position));
        return objectResult<CmmCommand>(dispatch().callByName("Item", std::move(args)),
                                        &ids::kCmmCommand, "Item", link());
    }
    Value commandById(const std::string& id) override {
        const std::string member = "command by ID (member 9)";
        std::vector<Variant> args;
        args.push_back(Variant::text(id));
        return objectResult<CmmCommand>(dispatch().call(9, member, std::move(args)),
                                        &ids::kCmmCommand, member, link());
    }
};

}  // namespace automation::com
