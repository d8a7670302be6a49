#include "standin/com/embedded_object.h"

namespace standin::com {

namespace {

class CadGroupsObject : public EmbeddedObject<cad::Groups> {
  public:
    CadGroupsObject(std::shared_ptr<cad::Groups> o, const Control& c)
        : EmbeddedObject(std::move(o), c, nullptr) {}

  protected:
    DISPID idOfName(const std::string& name) const override {
        return idAmong(name, {&cad_members::kGroupsItem});
    }
    void invoke(DISPID id, const Arguments& args, VARIANT* out) override {
        if (id != cad_members::kGroupsItem.id) noMember();
        args.expectCall(1);
        result(object().item(args.text(0)), out);
    }
};

// EntityAt is a direct member only; its index arrives as a VARIANT holding a 16-bit integer.
class CadGroupObject : public EmbeddedObject<cad::Group> {
  public:
    CadGroupObject(std::shared_ptr<cad::Group> o, const Control& c)
        : EmbeddedObject(std::move(o), c, &cad_members::kGroupInterface, table()) {}

  protected:
    void invoke(DISPID, const Arguments&, VARIANT*) override { noMember(); }

  private:
    static const Table& table() {
        static const Table slots = functionTable(
            {{&cad_members::kEntityAt, reinterpret_cast<const void*>(&entityAtSlot)}});
        return slots;
    }
    static HRESULT STDMETHODCALLTYPE entityAtSlot(void* face, VARIANT index, IDispatch** entity) {
        if (!entity) return E_POINTER;
        *entity = nullptr;
        auto& self = behind<CadGroupObject>(face);
        return self.direct([&] { return self.entityAt(index, entity); });
    }
    HRESULT entityAt(const VARIANT& index, IDispatch** entity) {
        if (index.vt != VT_I2) return DISP_E_TYPEMISMATCH;
        VARIANT answer;
        toVariant(object().entityAt(index.iVal), &answer, control());
        if (answer.vt != VT_DISPATCH) {
            VariantClear(&answer);
            return DISP_E_TYPEMISMATCH;
        }
        *entity = answer.pdispVal;  // the reference passes to the caller
        return S_OK;
    }
};

}  // namespace

IDispatch* makeCadGroups(std::shared_ptr<cad::Groups> o, const Control& c) {
    return (new CadGroupsObject(std::move(o), c))->share();
}

IDispatch* makeCadGroup(std::shared_ptr<cad::Group> o, const Control& c) {
    return (new CadGroupObject(std::move(o), c))->share();
}

}  // namespace standin::com
