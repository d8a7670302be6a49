#pragma once

#include "com/cmm_command.h"

namespace com {

class CmmCommandCollection : public cmm::CommandCollection, public ComObject {
  public:
    using ComObject::ComObject;
    automation::Value count() override { return toValue(dispatch().getByName("count")); }
    automation::Value item(std::int16_t& position) override {
        std::vector<Variant> args;
        args.push_back(Variant::int16Ref(&position));
        return objectResult<CmmCommand>(dispatch().callByName("Item", std::move(args)),
                                        &ids::kCmmCommand, "Item", link());
    }
    automation::Value commandById(const std::string& id) override {
        const std::string member = "command by ID (member 9)";
        std::vector<Variant> args;
        args.push_back(Variant::text(id));
        return objectResult<CmmCommand>(dispatch().call(9, member, std::move(args)),
                                        &ids::kCmmCommand, member, link());
    }
};

}  // namespace com
