#include "standin/com/argument_error.h"
#include "standin/com/server_objects.h"

namespace standin::com {

namespace {

class PlainServerObject : public ServerObject {
  public:
    PlainServerObject(automation::ObjectPtr object, const Control& control)
        : ServerObject(control), object_(std::move(object)) {}
    automation::ObjectPtr embedded() const override { return object_; }

  protected:
    void invoke(DISPID, const Arguments&, VARIANT*) override {
        throw ArgumentError{DISP_E_MEMBERNOTFOUND, 0};
    }

  private:
    automation::ObjectPtr object_;
};

}  // namespace

IDispatch* makePlainObject(automation::ObjectPtr object, const Control& control) {
    return (new PlainServerObject(std::move(object), control))->share();
}

}  // namespace standin::com
