#include "standin/com/embedded_object.h"

namespace standin::com {

namespace {

class CmmApplicationObject : public EmbeddedObject<cmm::Application> {
  public:
    CmmApplicationObject(std::shared_ptr<cmm::Application> o, const Control& c)
        : EmbeddedObject(std::move(o), c, &cmm_members::kApplicationInterface) {}

  protected:
    void invoke(DISPID id, const Arguments& args, VARIANT* out) override {
        switch (id) {
            case cmm_members::kMachine.id:
                args.expectCall(1);
                return result(object().machine(args.int16(0)), out);
            case cmm_members::kPartProgram.id:
                args.expectCall(0);
                return result(object().partProgram(), out);
            default:
                noMember();
        }
    }
};

}  // namespace

IDispatch* makeCmmApplication(std::shared_ptr<cmm::Application> o, const Control& c) {
    return (new CmmApplicationObject(std::move(o), c))->share();
}

}  // namespace standin::com
