#include "standin/com/embedded_object.h"

namespace standin::com {

namespace {

class CmmMachineObject : public EmbeddedObject<cmm::Machine> {
  public:
    CmmMachineObject(std::shared_ptr<cmm::Machine> o, const Control& c)
        : EmbeddedObject(std::move(o), c, &cmm_members::kMachineInterface) {}

  protected:
    void invoke(DISPID id, const Arguments& args, VARIANT* out) override {
        if (id != cmm_members::kMachineName.id) noMember();
        args.expectCall(0);
        result(object().name(), out);
    }
};

}  // namespace

IDispatch* makeCmmMachine(std::shared_ptr<cmm::Machine> o, const Control& c) {
    return (new CmmMachineObject(std::move(o), c))->share();
}

}  // namespace standin::com
