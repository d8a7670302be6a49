#include "points/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <system_error>

#include "points/program_failure.h"

namespace points {

namespace {

constexpr int kSignificantDigits = 15;
// Magnitudes from 1E15 up and below 1E-4 are written with an exponent.
constexpr int kLargestPlainExponent = 14;
constexpr int kSmallestPlainExponent = -4;

struct Decimal {
    bool negative = false;
    std::string digits;  // no leading or trailing zeros, at least one digit
    int exponent = 0;    // of the first digit
};

// Rounds to 15 significant digits and splits the result into its digits and decimal exponent.
Decimal roundedDecimal(double value) {
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value,
                                            std::chars_format::scientific, kSignificantDigits - 1);
    if (error != std::errc()) throw ProgramFailure("number cannot be written as text");
    const std::string_view text(buffer, static_cast<std::size_t>(end - buffer));

    Decimal decimal;
    std::size_t i = 0;
    if (text[i] == '-') {
        decimal.negative = true;
        ++i;
    }
    const std::size_t e = text.find('e');
    for (; i < e; ++i) {
        if (text[i] != '.') decimal.digits += text[i];
    }
    while (decimal.digits.size() > 1 && decimal.digits.back() == '0') decimal.digits.pop_back();
    decimal.exponent = std::atoi(std::string(text.substr(e + 1)).c_str());
    return decimal;
}

std::string plainText(const Decimal& d, char separator) {
    std::string text = d.negative ? "-" : "";
    const int digitCount = static_cast<int>(d.digits.size());
    if (d.exponent >= 0) {
        const int whole = d.exponent + 1;
        if (digitCount <= whole) {
            text += d.digits;
            text.append(static_cast<std::size_t>(whole - digitCount), '0');
        } else {
            text += d.digits.substr(0, static_cast<std::size_t>(whole));
            text += separator;
            text += d.digits.substr(static_cast<std::size_t>(whole));
        }
    } else {
        text += '0';
        text += separator;
        text.append(static_cast<std::size_t>(-d.exponent - 1), '0');
        text += d.digits;
    }
    return text;
}

std::string exponentText(const Decimal& d, char separator) {
    std::string text = d.negative ? "-" : "";
    text += d.digits[0];
    if (d.digits.size() > 1) {
        text += separator;
        text += d.digits.substr(1);
    }
    text += 'E';
    text += d.exponent < 0 ? '-' : '+';
    const std::string exponentDigits = std::to_string(std::abs(d.exponent));
    if (exponentDigits.size() < 2) text += '0';
    text += exponentDigits;
    return text;
}

// The largest double written with 15 significant digits: 1.79769313486232E+308.
constexpr std::string_view kLargestTextDigits = "179769313486232";
constexpr long kLargestTextExponent = 308;

// True when the decimal digits (from the first non-zero one), with the first digit at the given
// power of ten, are no larger than the writer's text of the largest double.
bool withinLargestText(std::string_view digits, long magnitude) {
    if (magnitude != kLargestTextExponent) return magnitude < kLargestTextExponent;
    const std::size_t n = std::max(digits.size(), kLargestTextDigits.size());
    for (std::size_t i = 0; i < n; ++i) {
        const char given = i < digits.size() ? digits[i] : '0';
        const char largest = i < kLargestTextDigits.size() ? kLargestTextDigits[i] : '0';
        if (given != largest) return given < largest;
    }
    return true;
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string numberText(double value, const NumberLocale& locale) {
    if (!std::isfinite(value)) throw ProgramFailure("number is not finite");
    if (value == 0.0) return "0";
    const Decimal decimal = roundedDecimal(value);
    if (decimal.exponent > kLargestPlainExponent || decimal.exponent < kSmallestPlainExponent) {
        return exponentText(decimal, locale.decimalSeparator);
    }
    return plainText(decimal, locale.decimalSeparator);
}

double parseNumber(std::string_view text, const NumberLocale& locale) {
    const auto fail = [&]() -> double {
        throw ProgramFailure("\"" + std::string(text) + "\" is not a number");
    };
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin])) ++begin;
    while (end > begin && isBlank(text[end - 1])) --end;

    // Rebuilt in the C locale's own notation, so the conversion below never sees the user's
    // separator and never depends on the process locale.
    std::string plain;
    std::size_t i = begin;
    if (i < end && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') plain += '-';
        ++i;
    }
    std::string whole;
    std::string fraction;
    while (i < end && isDigit(text[i])) whole += text[i++];
    if (i < end && text[i] == locale.decimalSeparator) {
        ++i;
        while (i < end && isDigit(text[i])) fraction += text[i++];
    }
    if (whole.empty() && fraction.empty()) return fail();
    std::string exponentDigits;
    bool negativeExponent = false;
    if (i < end && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        if (i < end && (text[i] == '+' || text[i] == '-')) negativeExponent = text[i++] == '-';
        while (i < end && isDigit(text[i])) exponentDigits += text[i++];
        if (exponentDigits.empty()) return fail();
    }
    if (i != end) return fail();

    plain += whole.empty() ? "0" : whole;
    if (!fraction.empty()) plain += '.' + fraction;
    if (!exponentDigits.empty()) plain += (negativeExponent ? "e-" : "e") + exponentDigits;

    double value = 0.0;
    const auto [last, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Too small to hold is zero; too large to hold is a failure, but for the texts below.
        const std::string mantissa = whole + fraction;
        const auto firstDigit = static_cast<long>(mantissa.find_first_not_of('0'));
        const auto significant = exponentDigits.find_first_not_of('0');
        const std::string exponentText =
            significant == std::string::npos ? "0" : exponentDigits.substr(significant);
        const long exponent = exponentText.size() > 6 ? 1000000 : std::atol(exponentText.c_str());
        const long magnitude = static_cast<long>(whole.size()) - 1 - firstDigit +
                               (negativeExponent ? -exponent : exponent);
        if (magnitude < 0) return plain[0] == '-' ? -0.0 : 0.0;
        // The writer rounds the largest doubles up to a text just beyond the range; such a text
        // reads back as the largest double of its sign.
        if (!withinLargestText(mantissa.substr(static_cast<std::size_t>(firstDigit)), magnitude)) {
            return fail();
        }
        const double max = std::numeric_limits<double>::max();
        return plain[0] == '-' ? -max : max;
    }
    if (error != std::errc() || last != plain.data() + plain.size() || !std::isfinite(value)) {
        return fail();
    }
    return value;
}

std::string fixedSixText(double value, const NumberLocale& locale) {
    if (!std::isfinite(value)) throw ProgramFailure("number is too large to show");
    char buffer[400];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6);
    if (error != std::errc()) throw ProgramFailure("number is too large to show");
    std::string text(buffer, end);
    // A negative value keeps its sign even when it rounds to zero; zero itself (also -0) has none.
    if (value == 0.0 && text[0] == '-') text.erase(0, 1);
    if (const auto dot = text.find('.'); dot != std::string::npos) {
        text[dot] = locale.decimalSeparator;
    }
    return text;
}

}  // namespace points
