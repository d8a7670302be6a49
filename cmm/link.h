#pragma once

#include <functional>
#include <memory>

#include "cmm/api.h"
#include "view/form_view.h"

namespace cmm {

// The window's link to the measurement application: the application and its machine 1, made
// anew at start-up and at every press and kept until the next.
class Link {
  public:
    explicit Link(Connector& connector) : connector_(connector) {}

    // The one way the program links: creates the application, takes machine 1 and shows its
    // name in the status label, then runs `andThen` on the application. Any failure on the way
    // ends the action with "Can't Link to PC-DMIS" and returns false. Each reference is replaced
    // as soon as it is got, so a failing machine 1 leaves the new application beside the
    // previous machine.
    bool renew(view::FormView& form, const std::function<void(Application&)>& andThen = {});

    const std::shared_ptr<Application>& application() const { return application_; }
    const std::shared_ptr<Machine>& machine() const { return machine_; }

  private:
    Connector& connector_;
    std::shared_ptr<Application> application_;
    std::shared_ptr<Machine> machine_;
};

}  // namespace cmm
