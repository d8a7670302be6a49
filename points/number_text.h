#pragma once

#include <string>
#include <string_view>

namespace points {

// The user's number settings, handed down from the window layer so that the logic below it
// stays free of any platform locale.
struct NumberLocale {
    char decimalSeparator = '.';
};

// A double as the platform writes it: at most 15 significant digits, shortest form, exponent
// notation with "E" for very large and very small magnitudes, the locale's decimal separator.
std::string numberText(double value, const NumberLocale& locale);

// Strict text to double: the whole text must be a number (blanks around it allowed, sign,
// decimal separator, exponent). Empty text, trailing junk or an out-of-range value throw
// ProgramFailure.
double parseNumber(std::string_view text, const NumberLocale& locale);

// The pattern "#0.000000": at least one digit before the separator, exactly six after it.
std::string fixedSixText(double value, const NumberLocale& locale);

}  // namespace points
