#include "standin/com/embedded_object.h"

namespace standin::com {

namespace {

// The part program and OldBasic are reached by name only.
class CmmPartProgramObject : public EmbeddedObject<cmm::PartProgram> {
  public:
    CmmPartProgramObject(std::shared_ptr<cmm::PartProgram> o, const Control& c)
        : EmbeddedObject(std::move(o), c, nullptr) {}

  protected:
    DISPID idOfName(const std::string& name) const override {
        return idAmong(name, {&cmm_members::kOldBasic, &cmm_members::kCommands});
    }
    void invoke(DISPID id, const Arguments& args, VARIANT* out) override {
        args.expectCall(0);
        if (id == cmm_members::kOldBasic.id) return result(object().oldBasic(), out);
        if (id == cmm_members::kCommands.id) return result(object().commands(), out);
        noMember();
    }
};

class CmmOldBasicObject : public EmbeddedObject<cmm::OldBasic> {
  public:
    CmmOldBasicObject(std::shared_ptr<cmm::OldBasic> o, const Control& c)
        : EmbeddedObject(std::move(o), c, nullptr) {}

  protected:
    DISPID idOfName(const std::string& name) const override {
        return idAmong(name, {&cmm_members::kGetProbeRadius});
    }
    void invoke(DISPID id, const Arguments& args, VARIANT* out) override {
        if (id != cmm_members::kGetProbeRadius.id) noMember();
        args.expectCall(0);
        result(object().getProbeRadius(), out);
    }
};

}  // namespace

IDispatch* makeCmmPartProgram(std::shared_ptr<cmm::PartProgram> o, const Control& c) {
    return (new CmmPartProgramObject(std::move(o), c))->share();
}

IDispatch* makeCmmOldBasic(std::shared_ptr<cmm::OldBasic> o, const Control& c) {
    return (new CmmOldBasicObject(std::move(o), c))->share();
}

}  // namespace standin::com
