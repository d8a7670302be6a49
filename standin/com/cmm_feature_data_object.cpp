#include "standin/com/embedded_object.h"

namespace standin::com {

namespace {

class CmmFeatureDataObject : public EmbeddedObject<cmm::FeatureData> {
  public:
    CmmFeatureDataObject(std::shared_ptr<cmm::FeatureData> o, const Control& c)
        : EmbeddedObject(std::move(o), c, &cmm_members::kFeatureDataInterface) {}

  protected:
    void invoke(DISPID id, const Arguments& args, VARIANT* out) override {
        switch (id) {
            case cmm_members::kPointCount.id:
                args.expectCall(0);
                return result(object().pointCount(), out);
            case cmm_members::kFeaturePoint.id: {
                args.expectCall(6);
                // Checked in declared order, so a report names the first bad argument.
                const std::int32_t number = args.int32(0), a = args.int32(1), b = args.int32(2),
                                   c = args.int32(3);
                const std::string text = args.text(4);
                return result(object().featurePoint(number, a, b, c, text, args.int32(5)), out);
            }
            default:
                noMember();
        }
    }
};

cmm::Axis axisOf(DISPID id) {
    for (cmm::Axis axis : {cmm::Axis::X, cmm::Axis::Y, cmm::Axis::Z})
        if (cmm_members::coordinate(axis).id == id) return axis;
    throw ArgumentError{DISP_E_MEMBERNOTFOUND, 0};
}

class CmmPointObjectObject : public EmbeddedObject<cmm::PointObject> {
  public:
    CmmPointObjectObject(std::shared_ptr<cmm::PointObject> o, const Control& c)
        : EmbeddedObject(std::move(o), c, &cmm_members::kPointObjectInterface) {}

  protected:
    void invoke(DISPID id, const Arguments& args, VARIANT* out) override {
        const auto axis = axisOf(id);
        if (args.isPut()) {
            args.expectPut();
            object().setCoordinate(axis, args.real(0));
        } else {
            args.expectCall(0);
            result(object().coordinate(axis), out);
        }
    }
};

}  // namespace

IDispatch* makeCmmFeatureData(std::shared_ptr<cmm::FeatureData> o, const Control& c) {
    return (new CmmFeatureDataObject(std::move(o), c))->share();
}

IDispatch* makeCmmPointObject(std::shared_ptr<cmm::PointObject> o, const Control& c) {
    return (new CmmPointObjectObject(std::move(o), c))->share();
}

}  // namespace standin::com
