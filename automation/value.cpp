#include "automation/value.h"

#include <cmath>
#include <limits>
#include <type_traits>

namespace automation {

namespace {

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

// Rounds half to even, as the platform's integer conversion does, and refuses what does not fit.
template <class Int>
Int roundedToInt(double value) {
    if (!std::isfinite(value)) throw points::ProgramFailure("value is not a finite number");
    double rounded = std::round(value);
    if (std::abs(value - std::trunc(value)) == 0.5 && std::fmod(rounded, 2.0) != 0.0) {
        rounded -= std::copysign(1.0, value);
    }
    if (rounded < static_cast<double>(std::numeric_limits<Int>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<Int>::max())) {
        throw points::ProgramFailure("overflow");
    }
    return static_cast<Int>(rounded);
}

template <class Int>
Int toInteger(const Value& value, const points::NumberLocale& locale) {
    if (const auto* whole = std::get_if<std::int32_t>(&value.storage())) {
        if (*whole < std::numeric_limits<Int>::min() || *whole > std::numeric_limits<Int>::max()) {
            throw points::ProgramFailure("overflow");
        }
        return static_cast<Int>(*whole);
    }
    return roundedToInt<Int>(toDouble(value, locale));
}

}  // namespace

std::string toText(const Value& value, const points::NumberLocale& locale) {
    return std::visit(Overloaded{
                          [](std::monostate) { return std::string(); },
                          [](Null) -> std::string {
                              throw points::ProgramFailure("Null cannot be taken as text");
                          },
                          [](std::int32_t v) { return std::to_string(v); },
                          [&](double v) { return points::numberText(v, locale); },
                          [](const std::string& v) { return v; },
                          [](bool v) { return std::string(v ? "True" : "False"); },
                          [](const ObjectPtr&) -> std::string {
                              throw points::ProgramFailure("an object cannot be taken as text");
                          },
                      },
                      value.storage());
}

double toDouble(const Value& value, const points::NumberLocale& locale) {
    const double result =
        std::visit(Overloaded{
                       [](std::monostate) { return 0.0; },
                       [](Null) -> double {
                           throw points::ProgramFailure("Null cannot be taken as a number");
                       },
                       [](std::int32_t v) { return static_cast<double>(v); },
                       [](double v) { return v; },
                       [&](const std::string& v) { return points::parseNumber(v, locale); },
                       [](bool v) { return v ? -1.0 : 0.0; },
                       [](const ObjectPtr&) -> double {
                           throw points::ProgramFailure("an object cannot be taken as a number");
                       },
                   },
                   value.storage());
    if (!std::isfinite(result)) throw points::ProgramFailure("value is not a finite number");
    return result;
}

std::int16_t toInt16(const Value& value, const points::NumberLocale& locale) {
    return toInteger<std::int16_t>(value, locale);
}

std::int32_t toInt32(const Value& value, const points::NumberLocale& locale) {
    return toInteger<std::int32_t>(value, locale);
}

bool isNothing(const Value& value) {
    if (value.isEmpty()) return true;
    const auto* object = std::get_if<ObjectPtr>(&value.storage());
    return object && !*object;
}

}  // namespace automation
