// The point line: the reader refuses a line or gives three finite numbers, and a line the writer
// makes from those numbers reads back to them.
#include <cmath>

#include "fuzz/fuzz_input.h"
#include "points/point_line.h"
#include "points/program_failure.h"

namespace {

points::Point3 readBack(const std::string& line, const points::NumberLocale& locale) {
    try {
        return points::parsePointLine(line, locale);
    } catch (const points::ProgramFailure&) {
        fuzz::violated("a written point line reads back", line);
    }
}

void writtenLineReadsBack(const points::Point3& point, const points::NumberLocale& locale) {
    for (double v : point) {
        if (!std::isfinite(v)) return;  // never written: a non-finite point fails before its line
    }
    const std::string line = points::formatPointLine(point[0], point[1], point[2], locale);
    const points::Point3 back = readBack(line, locale);
    for (std::size_t i = 0; i < 3; ++i) {
        const double shown = points::parseNumber(points::numberText(point[i], locale), locale);
        fuzz::require(back[i] == shown, "each number of a line reads back as its text shows", line);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input input(data, size);
    const points::NumberLocale locale = input.locale();
    if (input.byte() % 2 == 0) {
        const double x = input.number();
        const double y = input.number();
        writtenLineReadsBack({x, y, input.number()}, locale);
        return 0;
    }
    const std::string line = input.rest();
    points::Point3 point;
    try {
        point = points::parsePointLine(line, locale);
    } catch (const points::ProgramFailure&) {
        return 0;
    }
    for (double v : point) fuzz::require(std::isfinite(v), "a line reads as finite numbers", line);
    writtenLineReadsBack(point, locale);
    return 0;
}
