#include "points/program_failure.h"
#include "standin/com/embedded_object.h"

namespace standin::com {

namespace {

// Every drawing object; which interfaces it answers to follows its kind in the embedded drawing.
class CadEntityObject : public EmbeddedObject<cad::CadObject> {
  public:
    CadEntityObject(std::shared_ptr<cad::CadObject> o, const Control& c)
        : EmbeddedObject(std::move(o), c, &cad_members::kObjectInterface, table()) {}

  protected:
    template <class Kind>
    Kind* as() const {
        return dynamic_cast<Kind*>(&object());
    }
    bool answersTo(const IID& iid) const override {
        if (iid == cad_members::kObjectInterface.iid) return true;
        if (iid == cad_members::kEntityInterface.iid) return as<cad::Entity>() != nullptr;
        if (iid == cad_members::kSolidInterface.iid) return as<cad::Solid>() != nullptr;
        if (iid == cad_members::kCircleInterface.iid) return as<cad::Circle>() != nullptr;
        if (iid == cad_members::kSplineInterface.iid) return as<cad::Spline>() != nullptr;
        return false;
    }
    DISPID idOfName(const std::string& name) const override {
        return as<cad::Entity>() ? idAmong(name, {&cad_members::kCheckInterference})
                                 : DISPID_UNKNOWN;
    }
    void invoke(DISPID id, const Arguments& args, VARIANT* out) override {
        if (id != cad_members::kCheckInterference.id || !as<cad::Entity>()) noMember();
        args.expectCall(2);
        auto other = std::dynamic_pointer_cast<cad::Entity>(args.object(0)->embedded());
        if (!other) throw ArgumentError{DISP_E_TYPEMISMATCH, 1};
        const bool createSolid = args.boolean(1);
        result(as<cad::Entity>()->checkInterference(other, createSolid), out);
    }

  private:
    static const Table& table() {
        static const Table slots = functionTable({
            {&cad_members::kDiscard, reinterpret_cast<const void*>(&discard)},
            {&cad_members::kMarkCode, reinterpret_cast<const void*>(&setMarkCode)},
            {&cad_members::kFinish, reinterpret_cast<const void*>(&finish)},
            {&cad_members::kMeasure, reinterpret_cast<const void*>(&measure)},
        });
        return slots;
    }
    // Runs a direct member on the entity of kind `Kind` behind `face`; an object of another kind
    // does not hold the member.
    template <class Kind, class Body>
    static HRESULT on(void* face, Body&& body) {
        auto& self = behind<CadEntityObject>(face);
        return self.direct([&] {
            Kind* entity = self.as<Kind>();
            return entity ? body(*entity) : E_NOINTERFACE;
        });
    }

    static HRESULT STDMETHODCALLTYPE discard(void* face) {
        return on<cad::CadObject>(face, [](cad::CadObject& o) {
            o.discard();
            return S_OK;
        });
    }
    static HRESULT STDMETHODCALLTYPE setMarkCode(void* face, LONG code) {
        return on<cad::Entity>(face, [&](cad::Entity& e) {
            e.setMarkCode(code);
            return S_OK;
        });
    }
    static HRESULT STDMETHODCALLTYPE finish(void* face) {
        return on<cad::Entity>(face, [](cad::Entity& e) {
            e.finish();
            return S_OK;
        });
    }
    static HRESULT STDMETHODCALLTYPE measure(void* face, double* value) {
        if (!value) return E_POINTER;
        return on<cad::Solid>(face, [&](cad::Solid& solid) {
            const automation::Value measured = solid.measure();
            const double* d = std::get_if<double>(&measured.storage());
            if (!d) return DISP_E_TYPEMISMATCH;
            *value = *d;
            return S_OK;
        });
    }
};

}  // namespace

IDispatch* makeCadEntity(std::shared_ptr<cad::CadObject> o, const Control& c) {
    return (new CadEntityObject(std::move(o), c))->share();
}

}  // namespace standin::com
