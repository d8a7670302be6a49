#pragma once

#include <array>
#include <string>
#include <string_view>

#include "points/number_text.h"

namespace points {

using Point3 = std::array<double, 3>;  // index 0 X, 1 Y, 2 Z

// "X=" x " Y=" y " Z=" z, each number as numberText writes it.
std::string formatPointLine(double x, double y, double z, const NumberLocale& locale);

// Reads a point line back by character positions: the X text runs from the third character up to
// the first Y (either case), the Y text from two after the Y up to one character before the next
// Z, the Z text from two after that Z to the end. A missing Y or Z, or a text that is not a
// number, throws ProgramFailure.
Point3 parsePointLine(std::string_view line, const NumberLocale& locale);

}  // namespace points
