#pragma once

#include "com/cmm_machine.h"
#include "com/cmm_part_program.h"

namespace com {

class CmmApplication : public cmm::Application, public ComObject {
  public:
    using ComObject::ComObject;
    automation::Value machine(std::int16_t number) override {
        std::vector<Variant> args;
        args.push_back(Variant::int16(number));
        return objectResult<CmmMachine>(dispatch().call(cmm_members::kMachine, std::move(args)),
                                        &cmm_members::kMachineInterface,
                                        labelOf(cmm_members::kMachine), link());
    }
    automation::Value partProgram() override {
        return objectResult<CmmPartProgram>(dispatch().get(cmm_members::kPartProgram), nullptr,
                                            labelOf(cmm_members::kPartProgram), link());
    }
};

}  // namespace com
