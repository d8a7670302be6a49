#include "com/interface_ids.h"
#include "standin/com/embedded_object.h"

namespace standin::com {

namespace {

class CmmFeatureDataObject : public EmbeddedObject<cmm::FeatureData> {
  public:
    CmmFeatureDataObject(std::shared_ptr<cmm::FeatureData> o, const Control& c)
        : EmbeddedObject(std::move(o), c, &::com::ids::kCmmFeatureData) {}

  protected:
    void invoke(DISPID id, const Arguments& args, VARIANT* out) override {
        switch (id) {
            case 2:
                args.expectCall(0);
                return result(object().pointCount(), out);
            case 65: {
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

class CmmPointObjectObject : public EmbeddedObject<cmm::PointObject> {
  public:
    CmmPointObjectObject(std::shared_ptr<cmm::PointObject> o, const Control& c)
        : EmbeddedObject(std::move(o), c, &::com::ids::kCmmPointObject) {}

  protected:
    void invoke(DISPID id, const Arguments& args, VARIANT* out) override {
        if (id < 1 || id > 3) noMember();
        const auto axis = static_cast<cmm::Axis>(id);
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
