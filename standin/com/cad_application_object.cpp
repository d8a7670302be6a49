#include "standin/com/embedded_object.h"

namespace standin::com {

namespace {

class CadApplicationObject : public EmbeddedObject<cad::Application> {
  public:
    CadApplicationObject(std::shared_ptr<cad::Application> o, const Control& c)
        : EmbeddedObject(std::move(o), c, nullptr) {}

  protected:
    DISPID idOfName(const std::string& name) const override {
        return idAmong(name, {&cad_members::kVisible, &cad_members::kActiveDocument});
    }
    void invoke(DISPID id, const Arguments& args, VARIANT* out) override {
        if (id == cad_members::kVisible.id) {
            args.expectPut();  // the stand-in does not report its visibility back
            return object().setVisible(args.boolean(0));
        }
        if (id != cad_members::kActiveDocument.id) noMember();
        args.expectCall(0);
        result(object().activeDocument(), out);
    }
};

class CadDocumentObject : public EmbeddedObject<cad::Document> {
  public:
    CadDocumentObject(std::shared_ptr<cad::Document> o, const Control& c)
        : EmbeddedObject(std::move(o), c, nullptr) {}

  protected:
    DISPID idOfName(const std::string& name) const override {
        return idAmong(name, {&cad_members::kModelSpace, &cad_members::kGroups});
    }
    void invoke(DISPID id, const Arguments& args, VARIANT* out) override {
        args.expectCall(0);
        if (id == cad_members::kModelSpace.id) return result(object().modelSpace(), out);
        if (id == cad_members::kGroups.id) return result(object().groups(), out);
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
