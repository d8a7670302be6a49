#pragma once

#include "automation/com/cmm_machine.h"
#include "automation/com/cmm_part_program.h"

namespace automation::com {

class CmmApplication : public cmm::Application, public ComObject {
  public:
    using ComObject::ComObject;
    Value machine(std::int16_t number) override {
        const std::string member = "machine (member 16)";
        std::vector<Variant> args;
        args.push_back(Variant::int16(number));
        return objectResult<CmmMachine>(dispatch().call(16, member, std::move(args)),
                                        &ids::kCmmMachine, member, link());
    }
    Value partProgram() override {
        const std::string member = "part program (member 2)";
        return objectResult<CmmPartProgram>(dispatch().get(2, member), nullptr, member, link());
    }
};

}  // namespace automation::com
