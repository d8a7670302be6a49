#include "standin/com/embedded_object.h"

namespace standin::com {

namespace {

class CadModelSpaceObject : public EmbeddedObject<cad::ModelSpace> {
public:
    CadModelSpaceObject(std::shared_ptr<cad::ModelSpace> o, const Control& c)
        : EmbeddedObject(std::move(o), c, nullptr) {}

protected:
    enum : DISPID { kAddSphere = 1, kAddCircle = 2, kAddSpline = 3 };
    DISPID idOfName(const std::string& name) const override {
        if (name == "addsphere") return kAddSphere;
        if (name == "addcircle") return kAddCircle;
        if (name == "addspline") return kAddSpline;
        return DISPID_UNKNOWN;
    }
    void invoke(DISPID id, const Arguments& args, VARIANT* out) override {
        switch (id) {
            case kAddSphere:
                args.expectCall(2);
                return result(object().addSphere(args.point(0), args.real(1)), out);
            case kAddCircle:
                args.expectCall(2);
                return result(object().addCircle(args.point(0), args.real(1)), out);
            case kAddSpline:
                args.expectCall(3);
                return result(object().addSpline(args.points(0), args.point(1), args.point(2)),
                              out);
            default:
                noMember();
        }
    }
};

}  // namespace

IDispatch* makeCadModelSpace(std::shared_ptr<cad::ModelSpace> o, const Control& c) {
    return (new CadModelSpaceObject(std::move(o), c))->share();
}

}  // namespace standin::com
