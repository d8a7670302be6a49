#pragma once

#include "com/cmm_command.h"

namespace com {

class CmmCommandCollection : public cmm::CommandCollection, public ComObject {
  public:
    using ComObject::ComObject;
    automation::Value count() override { return valueCall<cmm::members::kCount>(*this); }
    automation::Value item(std::int16_t& position) override {
        return objectCall<CmmCommand, cmm::members::kItem>(*this, position);
    }
    automation::Value commandById(const std::string& id) override {
        return objectCall<CmmCommand, cmm::members::kCommandById>(*this, id);
    }
};

}  // namespace com
