#pragma once

#include "automation/value.h"
#include "com/com_object.h"

namespace com {

// An object result where the program expects none of the program's kinds; any conversion of it
// fails.
class PlainObject : public automation::Object, public ComObject {
  public:
    using ComObject::ComObject;
};

}  // namespace com
