#include "standin/com/embedded_object.h"

namespace standin::com {

namespace {

class CmmCommandsObject : public EmbeddedObject<cmm::CommandCollection> {
  public:
    CmmCommandsObject(std::shared_ptr<cmm::CommandCollection> o, const Control& c)
        : EmbeddedObject(std::move(o), c, &cmm_members::kCommandsInterface) {}

  protected:
    DISPID idOfName(const std::string& name) const override {
        return idAmong(name, {&cmm_members::kCount, &cmm_members::kItem});
    }
    void invoke(DISPID id, const Arguments& args, VARIANT* out) override {
        switch (id) {
            case cmm_members::kCount.id:
                args.expectCall(0);
                return result(object().count(), out);
            case cmm_members::kItem.id:
                args.expectCall(1);
                return result(object().item(args.int16Ref(0)), out);
            case cmm_members::kCommandById.id:
                args.expectCall(1);
                return result(object().commandById(args.text(0)), out);
            default:
                noMember();
        }
    }
};

class CmmCommandObject : public EmbeddedObject<cmm::Command> {
  public:
    CmmCommandObject(std::shared_ptr<cmm::Command> o, const Control& c)
        : EmbeddedObject(std::move(o), c, &cmm_members::kCommandInterface) {}

  protected:
    DISPID idOfName(const std::string& name) const override {
        return idAmong(name, {&cmm_members::kId});
    }
    void invoke(DISPID id, const Arguments& args, VARIANT* out) override {
        args.expectCall(0);
        switch (id) {
            case cmm_members::kCommandValue.id:
                return result(object().value(), out);
            case cmm_members::kId.id:
                return result(object().id(), out);
            case cmm_members::kFeatureData.id:
                return result(object().featureData(), out);
            default:
                noMember();
        }
    }
};

}  // namespace

IDispatch* makeCmmCommands(std::shared_ptr<cmm::CommandCollection> o, const Control& c) {
    return (new CmmCommandsObject(std::move(o), c))->share();
}

IDispatch* makeCmmCommand(std::shared_ptr<cmm::Command> o, const Control& c) {
    return (new CmmCommandObject(std::move(o), c))->share();
}

}  // namespace standin::com
