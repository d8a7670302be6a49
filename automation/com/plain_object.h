#pragma once

#include "automation/com/com_object.h"
#include "automation/value.h"

namespace automation::com {

// An object result where the program expects none of the program's kinds; any conversion of it
// fails.
class PlainObject : public Object, public ComObject {
  public:
    using ComObject::ComObject;
};

}  // namespace automation::com
