#include "com/interface_ids.h"
#include "standin/com/embedded_object.h"

namespace standin::com {

namespace {

class CmmCommandsObject : public EmbeddedObject<cmm::CommandCollection> {
  public:
    CmmCommandsObject(std::shared_ptr<cmm::CommandCollection> o, const Control& c)
        : EmbeddedObject(std::move(o), c, &::com::ids::kCmmCommands) {}

  protected:
    enum : DISPID { kCount = 1, kItem = 2, kCommandById = 9 };
    DISPID idOfName(const std::string& name) const override {
        if (name == "count") return kCount;
        if (name == "item") return kItem;
        return DISPID_UNKNOWN;
    }
    void invoke(DISPID id, const Arguments& args, VARIANT* out) override {
        switch (id) {
            case kCount:
                args.expectCall(0);
                return result(object().count(), out);
            case kItem:
                args.expectCall(1);
                return result(object().item(args.int16Ref(0)), out);
            case kCommandById:
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
        : EmbeddedObject(std::move(o), c, &::com::ids::kCmmCommand) {}

  protected:
    enum : DISPID { kValue = DISPID_VALUE, kId = 1, kFeatureData = 9 };
    DISPID idOfName(const std::string& name) const override {
        return name == "id" ? DISPID{kId} : DISPID_UNKNOWN;
    }
    void invoke(DISPID id, const Arguments& args, VARIANT* out) override {
        args.expectCall(0);
        switch (id) {
            case kValue:
                return result(object().value(), out);
            case kId:
                return result(object().id(), out);
            case kFeatureData:
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
