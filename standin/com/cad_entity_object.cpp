#include "com/interface_ids.h"
#include "points/program_failure.h"
#include "standin/com/embedded_object.h"

namespace standin::com {

namespace {

namespace ids = ::com::ids;

// Every drawing object; which interfaces it answers to follows its kind in the embedded drawing.
class CadEntityObject : public EmbeddedObject<cad::CadObject> {
  public:
    CadEntityObject(std::shared_ptr<cad::CadObject> o, const Control& c)
        : EmbeddedObject(std::move(o), c, &ids::kCadObject) {}

  protected:
    enum : DISPID { kCheckInterference = 1 };
    template <class Kind>
    Kind* as() const {
        return dynamic_cast<Kind*>(&object());
    }
    bool answersTo(const IID& iid) const override {
        if (iid == ids::kCadObject) return true;
        if (iid == ids::kCadEntity) return as<cad::Entity>() != nullptr;
        if (iid == ids::kCadSolid) return as<cad::Solid>() != nullptr;
        if (iid == ids::kCadCircle) return as<cad::Circle>() != nullptr;
        if (iid == ids::kCadSpline) return as<cad::Spline>() != nullptr;
        return false;
    }
    DISPID idOfName(const std::string& name) const override {
        return name == "checkinterference" && as<cad::Entity>() ? DISPID{kCheckInterference}
                                                                : DISPID_UNKNOWN;
    }
    void invoke(DISPID id, const Arguments& args, VARIANT* out) override {
        if (id != kCheckInterference || !as<cad::Entity>()) noMember();
        args.expectCall(2);
        auto other = std::dynamic_pointer_cast<cad::Entity>(args.object(0)->embedded());
        if (!other) throw ArgumentError{DISP_E_TYPEMISMATCH, 1};
        const bool createSolid = args.boolean(1);
        result(as<cad::Entity>()->checkInterference(other, createSolid), out);
    }

    HRESULT discard() override {
        object().discard();
        return S_OK;
    }
    HRESULT setMarkCode(LONG code) override {
        if (!as<cad::Entity>()) return E_NOINTERFACE;
        as<cad::Entity>()->setMarkCode(code);
        return S_OK;
    }
    HRESULT finish() override {
        if (!as<cad::Entity>()) return E_NOINTERFACE;
        as<cad::Entity>()->finish();
        return S_OK;
    }
    HRESULT measure(double* value) override {
        if (!as<cad::Solid>()) return E_NOINTERFACE;
        const automation::Value measured = as<cad::Solid>()->measure();
        const double* d = std::get_if<double>(&measured.storage());
        if (!d) return DISP_E_TYPEMISMATCH;
        *value = *d;
        return S_OK;
    }
};

}  // namespace

IDispatch* makeCadEntity(std::shared_ptr<cad::CadObject> o, const Control& c) {
    return (new CadEntityObject(std::move(o), c))->share();
}

}  // namespace standin::com
