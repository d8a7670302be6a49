#include "standin/com/embedded_object.h"

namespace standin::com {

namespace {

// The part program and OldBasic are reached by name only.
class CmmPartProgramObject : public EmbeddedObject<cmm::PartProgram> {
  public:
    CmmPartProgramObject(std::shared_ptr<cmm::PartProgram> o, const Control& c)
        : EmbeddedObject(std::move(o), c, nullptr) {}

  protected:
    enum : DISPID { kOldBasic = 10, kCommands = 11 };
    DISPID idOfName(const std::string& name) const override {
        if (name == "oldbasic") return kOldBasic;
        if (name == "commands") return kCommands;
        return DISPID_UNKNOWN;
    }
    void invoke(DISPID id, const Arguments& args, VARIANT* out) override {
        args.expectCall(0);
        if (id == kOldBasic) return result(object().oldBasic(), out);
        if (id == kCommands) return result(object().commands(), out);
        noMember();
    }
};

class CmmOldBasicObject : public EmbeddedObject<cmm::OldBasic> {
  public:
    CmmOldBasicObject(std::shared_ptr<cmm::OldBasic> o, const Control& c)
        : EmbeddedObject(std::move(o), c, nullptr) {}

  protected:
    DISPID idOfName(const std::string& name) const override {
        return name == "getproberadius" ? 1 : DISPID_UNKNOWN;
    }
    void invoke(DISPID id, const Arguments& args, VARIANT* out) override {
        if (id != 1) noMember();
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
