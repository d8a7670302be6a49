#pragma once

#include "points/number_text.h"

namespace app::win32 {

// The decimal separator of the user's number settings (Control Panel, Region); a separator that
// is not one plain character leaves the point.
points::NumberLocale userNumberLocale();

}  // namespace app::win32
