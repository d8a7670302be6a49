// The strict text-to-number conversion and the number-text writer: every text the writer makes
// reads back to the value it shows, and the reader either refuses a text or gives a finite number.
#include <cmath>
#include <limits>

#include "fuzz/fuzz_input.h"
#include "points/program_failure.h"

namespace {

// The writer's text reads back to a value that is written the same way; only the doubles whose
// 15-digit text lies beyond the range read back as the largest double instead.
void writtenTextReadsBack(double value, const points::NumberLocale& locale) {
    if (!std::isfinite(value)) {
        bool refused = false;
        try {
            points::numberText(value, locale);
        } catch (const points::ProgramFailure&) {
            refused = true;
        }
        fuzz::require(refused, "a non-finite value is refused by the writer");
        return;
    }
    const std::string text = points::numberText(value, locale);
    fuzz::require(!text.empty() && text.find_first_of("YyZz") == std::string::npos,
                  "a number text is never empty and holds no Y or Z", text);
    double back = 0;
    try {
        back = points::parseNumber(text, locale);
    } catch (const points::ProgramFailure&) {
        fuzz::violated("a written text reads back", text);
    }
    fuzz::require(points::numberText(back, locale) == text, "the text read back is written alike",
                  text);
    fuzz::require(std::signbit(back) == std::signbit(value) || value == 0.0,
                  "a text read back keeps its sign", text);

    const std::string fixed = points::fixedSixText(value, locale);
    fuzz::require(fixed.size() > 7 && fixed[fixed.size() - 7] == locale.decimalSeparator,
                  "six decimals after the separator", fixed);
    fuzz::require((fixed[0] == '-') == (value < 0.0), "#0.000000 keeps the sign of a negative",
                  fixed);
    try {
        points::parseNumber(fixed, locale);
    } catch (const points::ProgramFailure&) {
        fuzz::violated("a #0.000000 text reads back", fixed);
    }
}

void readTextIsFinite(const std::string& text, const points::NumberLocale& locale) {
    double value = 0;
    try {
        value = points::parseNumber(text, locale);
    } catch (const points::ProgramFailure&) {
        return;
    }
    fuzz::require(std::isfinite(value), "a text read as a number is finite", text);
    writtenTextReadsBack(value, locale);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input input(data, size);
    const points::NumberLocale locale = input.locale();
    if (input.byte() % 2 == 0) {
        writtenTextReadsBack(input.number(), locale);
    } else {
        readTextIsFinite(input.rest(), locale);
    }
    return 0;
}
