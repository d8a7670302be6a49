#include "standin/com/embedded_object.h"

namespace standin::com {

namespace {

class CadApplicationObject : public EmbeddedObject<cad::Application> {
  public:
    CadApplicationObject(std::shared_ptr<cad::Application> o, const Control& c)
        : EmbeddedObject(std::move(o), c, nullptr) {}

  protected:
    enum : DISPID { kVisible = 1, kActiveDocument = 2 };
    DISPID idOfName(const std::string& name) const override {
        if (name == "visible") return kVisible;
        if (name == "activedocument") return kActiveDocument;
        return DISPID_UNKNOWN;
    }
    void invoke(DISPID id, const Arguments& args, VARIANT* out) override {
        if (id == kVisible) {
            args.expectPut();  // the stand-in does not report its visibility back
            return object().setVisible(args.boolean(0));
        }
        if (id != kActiveDocument) noMember();
        args.expectCall(0);
        result(object().activeDocument(), out);
    }
};

class CadDocumentObject : public EmbeddedObject<cad::Document> {
  public:
    CadDocumentObject(std::shared_ptr<cad::Document> o, const Control& c)
        : EmbeddedObject(std::move(o), c, nullptr) {}

  protected:
    enum : DISPID { kModelSpace = 1, kGroups = 2 };
    DISPID idOfName(const std::string& name) const override {
        if (name == "modelspace") return kModelSpace;
        if (name == "groups") return kGroups;
        return DISPID_UNKNOWN;
    }
    void invoke(DISPID id, const Arguments& args, VARIANT* out) override {
        args.expectCall(0);
        if (id == kModelSpace) return result(object().modelSpace(), out);
        if (id == kGroups) return result(object().groups(), out);
        noMember();
    }
};

}  // namespace

IDispatch* makeCadApplication(std::shared_ptr<cad::Application> o, const Control& c) {
    return (new CadApplicationObject(std::move(o), c))->share();
}

IDispatch* makeCadDocument(std::shared_ptr<cad::Document> o, const Control& c) {
    return (new CadDocumentObject(std::move(o), c))->share();
}

}  // namespace standin::com
