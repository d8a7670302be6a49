#include "points/point_line.h"

#include <cctype>

#include "points/program_failure.h"

namespace points {

namespace {

// 1-based position of the first `letter` at or after `start`, either case; 0 when there is none.
std::ptrdiff_t findLetter(std::string_view line, std::ptrdiff_t start, char letter) {
    const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
    for (auto i = static_cast<std::size_t>(start - 1); i < line.size(); ++i) {
        if (line[i] == letter || line[i] == lower) return static_cast<std::ptrdiff_t>(i) + 1;
    }
    return 0;
}

// The characters from 1-based `start`, at most `length` of them; a start past the end gives
// nothing, a negative length is refused.
std::string_view piece(std::string_view line, std::ptrdiff_t start, std::ptrdiff_t length) {
    if (start < 1 || length < 0) throw ProgramFailure("invalid argument");
    const auto from = static_cast<std::size_t>(start - 1);
    if (from >= line.size()) return {};
    return line.substr(from, static_cast<std::size_t>(length));
}

}  // namespace

std::string formatPointLine(double x, double y, double z, const NumberLocale& locale) {
    return "X=" + numberText(x, locale) + " Y=" + numberText(y, locale) +
           " Z=" + numberText(z, locale);
}

Point3 parsePointLine(std::string_view line, const NumberLocale& locale) {
    const auto length = static_cast<std::ptrdiff_t>(line.size());
    const std::ptrdiff_t y = findLetter(line, 1, 'Y');
    const std::string_view xText = piece(line, 3, y - 3);
    const std::ptrdiff_t z = findLetter(line, y + 1, 'Z');
    const std::string_view yText = piece(line, y + 2, z - y - 3);
    const std::string_view zText = piece(line, z + 2, length - z);
    return {parseNumber(xText, locale), parseNumber(yText, locale), parseNumber(zText, locale)};
}

}  // namespace points
