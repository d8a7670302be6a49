#pragma once

#include <memory>

#include "com/cad_members.h"
#include "com/cmm_members.h"
#include "standin/com/argument_error.h"
#include "standin/com/server_objects.h"

namespace standin::com {

namespace cmm_members = ::com::cmm_members;
namespace cad_members = ::com::cad_members;

// A server object over one typed object of an embedded stand-in, answering to the interface its
// kind has in the application's member table (none when the table gives none).
template <class Kind>
class EmbeddedObject : public ServerObject {
  public:
    EmbeddedObject(std::shared_ptr<Kind> object, const Control& control,
                   const ::com::Interface* kind, const Table& table = plainTable())
        : ServerObject(control, table), object_(std::move(object)), kind_(kind) {}
    automation::ObjectPtr embedded() const override { return object_; }

  protected:
    bool answersTo(const IID& iid) const override { return kind_ && iid == kind_->iid; }
    Kind& object() const { return *object_; }
    [[noreturn]] static void noMember() { throw ArgumentError{DISP_E_MEMBERNOTFOUND, 0}; }

  private:
    std::shared_ptr<Kind> object_;
    const ::com::Interface* kind_;
};

}  // namespace standin::com
