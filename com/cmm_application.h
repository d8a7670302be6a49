#pragma once

#include "com/cmm_machine.h"
#include "com/cmm_part_program.h"

namespace com {

class CmmApplication : public cmm::Application, public ComObject {
  public:
    using ComObject::ComObject;
    automation::Value machine(std::int16_t number) override {
        return objectCall<CmmMachine, cmm::members::kMachine>(*this, number);
    }
    automation::Value partProgram() override {
        return objectCall<CmmPartProgram, cmm::members::kPartProgram>(*this);
    }
};

}  // namespace com
