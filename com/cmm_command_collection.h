#pragma once

#include "com/cmm_command.h"

namespace com {

class CmmCommandCollection : public cmm::CommandCollection, public ComObject {
  public:
    using ComObject::ComObject;
    automation::Value count() override { return toValue(dispatch().get(cmm_members::kCount)); }
    automation::Value item(std::int16_t& position) override {
        std::vector<Variant> args;
        args.push_back(Variant::int16Ref(&position));
        return objectResult<CmmCommand>(dispatch().call(cmm_members::kItem, std::move(args)),
                                        &cmm_members::kCommandInterface,
                                        labelOf(cmm_members::kItem), link());
    }
    automation::Value commandById(const std::string& id) override {
        std::vector<Variant> args;
        args.push_back(Variant::text(id));
        return objectResult<CmmCommand>(dispatch().call(cmm_members::kCommandById, std::move(args)),
                                        &cmm_members::kCommandInterface,
                                        labelOf(cmm_members::kCommandById), link());
    }
};

}  // namespace com
