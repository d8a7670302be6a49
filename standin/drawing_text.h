#pragma once

#include <string>
#include <vector>

#include "standin/drawing.h"

namespace standin {

// The drawing as text, one line an entity with everything the program set on it, numbers to
// the last bit: what a CAD stand-in in another process reports of its drawing, so that it can be
// compared entity by entity with a drawing here.
std::vector<std::string> drawingLines(const Drawing& drawing);

// Counts per entity kind and marker code, for a glance at what a press drew.
std::vector<std::string> drawingSummary(const Drawing& drawing);

}  // namespace standin
