#include "standin/com/embedded_object.h"

namespace standin::com {

namespace {

class CadModelSpaceObject : public EmbeddedObject<cad::ModelSpace> {
  public:
    CadModelSpaceObject(std::shared_ptr<cad::ModelSpace> o, const Control& c)
        : EmbeddedObject(std::move(o), c, nullptr) {}

  protected:
    DISPID idOfName(const std::string& name) const override {
        return idAmong(
            name, {&cad_members::kAddSphere, &cad_members::kAddCircle, &cad_members::kAddSpline});
    }
    void invoke(DISPID id, const Arguments& args, VARIANT* out) override {
        switch (id) {
            // Arguments are checked in their declared order, so a report names the first bad one.
            case cad_members::kAddSphere.id: {
                args.expectCall(2);
                const points::Point3 centre = args.point(0);
                return result(object().addSphere(centre, args.real(1)), out);
            }
            case cad_members::kAddCircle.id: {
                args.expectCall(2);
                const points::Point3 centre = args.point(0);
                return result(object().addCircle(centre, args.real(1)), out);
            }
            case cad_members::kAddSpline.id: {
                args.expectCall(3);
                const std::vector<double> points = args.points(0);
                const points::Point3 start = args.point(1);
                return result(object().addSpline(points, start, args.point(2)), out);
            }
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
