// The program's conversions of automation values: each gives a result or refuses with the
// program's failure; Null and a null object are no number and no text, Empty is 0 and "".
#include <cmath>
#include <limits>

#include "automation/value.h"
#include "fuzz/fuzz_input.h"

namespace {

template <class Convert>
bool refuses(Convert&& convert) {
    try {
        convert();
        return false;
    } catch (const points::ProgramFailure&) {
        return true;
    }
}

template <class Int>
void integerFollowsTheNumber(const automation::Value& value, const points::NumberLocale& locale,
                             Int (*toInt)(const automation::Value&, const points::NumberLocale&)) {
    Int whole = 0;
    if (refuses([&] { whole = toInt(value, locale); })) return;
    double number = 0;
    fuzz::require(!refuses([&] { number = automation::toDouble(value, locale); }),
                  "a value taken as an integer is also a number");
    fuzz::require(std::abs(number - static_cast<double>(whole)) <= 0.5,
                  "an integer is its number rounded");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input input(data, size);
    const points::NumberLocale locale = input.locale();
    const automation::Value value = input.value();

    std::string text;
    const bool noText = refuses([&] { text = automation::toText(value, locale); });
    double number = 0;
    const bool noNumber = refuses([&] { number = automation::toDouble(value, locale); });

    const bool nullish = value.isNull() || (value.isObject() && automation::isNothing(value));
    if (nullish) fuzz::require(noText && noNumber, "Null and a null object are no number or text");
    if (value.isEmpty()) fuzz::require(text.empty() && number == 0.0, "Empty is 0 and \"\"");
    if (!noNumber) fuzz::require(std::isfinite(number), "a number taken is finite");
    // A number's text reads back as that number's text shows it.
    if (!noNumber && !noText && std::holds_alternative<double>(value.storage())) {
        const double back = automation::toDouble(automation::Value(text), locale);
        fuzz::require(points::numberText(back, locale) == text, "a number's text reads back", text);
    }
    integerFollowsTheNumber<std::int16_t>(value, locale, automation::toInt16);
    integerFollowsTheNumber<std::int32_t>(value, locale, automation::toInt32);
    return 0;
}
