#pragma once

#include "automation/com/dispatch.h"

namespace automation::com {

// What every proxy of an outside object holds: the object's automation interface. A proxy
// handed back to the server (an entity to check against) is found again through it.
class ComObject {
  public:
    explicit ComObject(Dispatch object) : object_(std::move(object)) {}
    virtual ~ComObject() = default;
    const Dispatch& dispatch() const { return object_; }

  private:
    Dispatch object_;
};

}  // namespace automation::com
