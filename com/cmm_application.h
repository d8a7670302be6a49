#pragma once

#include "com/cmm_machine.h"
#include "com/cmm_part_program.h"

namespace com {

class CmmApplication : public cmm::Application, public ComObject {
  public:
    using ComObject::ComObject;
    automation::Value machine(std::int16_t number) override {
        const std::string member = "machine (member 16)";
        std::vector<Variant> args;
        args.push_back(Variant::int16(number));
        return objectResult<CmmMachine>(dispatch().call(16, member, std::move(args)),
                                        &ids::kCmmMachine, member, link());
    }
    automation::Value partProgram() override {
        const std::string member = "part program (member 2)";
        return objectResult<CmmPartProgram>(dispatch().get(2, member), nullptr, member, link());
    }
};

}  // namespace com
