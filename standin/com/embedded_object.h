#pragma once

#include <memory>

#include "standin/com/argument_error.h"
#include "standin/com/server_objects.h"

namespace standin::com {

// A server object over one typed object of an embedded stand-in, answering to the interface
// identifier its kind has in the real application (none when the table gives none).
template <class Kind>
class EmbeddedObject : public ServerObject {
  public:
    EmbeddedObject(std::shared_ptr<Kind> object, const Control& control, const IID* iid)
        : ServerObject(control), object_(std::move(object)), iid_(iid) {}
    automation::ObjectPtr embedded() const override { return object_; }

  protected:
    bool answersTo(const IID& iid) const override { return iid_ && iid == *iid_; }
    Kind& object() const { return *object_; }
    [[noreturn]] static void noMember() { throw ArgumentError{DISP_E_MEMBERNOTFOUND, 0}; }

  private:
    std::shared_ptr<Kind> object_;
    const IID* iid_;
};

}  // namespace standin::com
