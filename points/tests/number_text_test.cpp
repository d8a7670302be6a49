#include "points/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "points/program_failure.h"

namespace {

using points::fixedSixText;
using points::numberText;
using points::parseNumber;

const points::NumberLocale kDot{'.'};
const points::NumberLocale kComma{','};

TEST(NumberText, ShortestFormWithAtMostFifteenDigits) {
    EXPECT_EQ(numberText(1.1 + 2.2, kDot), "3.3");
    EXPECT_EQ(numberText(20.0, kDot), "20");
    EXPECT_EQ(numberText(-1.5, kDot), "-1.5");
    EXPECT_EQ(numberText(1234.5, kDot), "1234.5");
    EXPECT_EQ(numberText(0.1, kDot), "0.1");
    EXPECT_EQ(numberText(0.0001, kDot), "0.0001");
    EXPECT_EQ(numberText(123456789012345.0, kDot), "123456789012345");
    EXPECT_EQ(numberText(1.0 / 3.0, kDot), "0.333333333333333");
    EXPECT_EQ(numberText(-2.0 / 3.0, kDot), "-0.666666666666667");
    // 17 significant digits are rounded to 15.
    EXPECT_EQ(numberText(1.2345678901234567, kDot), "1.23456789012346");
    EXPECT_EQ(numberText(0.0, kDot), "0");
    EXPECT_EQ(numberText(-0.0, kDot), "0");
}

TEST(NumberText, ExponentForVeryLargeAndVerySmallMagnitudes) {
    EXPECT_EQ(numberText(0.00001, kDot), "1E-05");
    EXPECT_EQ(numberText(-2.25e-7, kDot), "-2.25E-07");
    EXPECT_EQ(numberText(1.5e20, kDot), "1.5E+20");
    EXPECT_EQ(numberText(1e15, kDot), "1E+15");
    EXPECT_EQ(numberText(1e-100, kDot), "1E-100");
    EXPECT_EQ(numberText(std::numeric_limits<double>::max(), kDot), "1.79769313486232E+308");
    // Rounding to 15 digits can carry into the next power of ten.
    EXPECT_EQ(numberText(999999999999999.9, kDot), "1E+15");
    EXPECT_EQ(numberText(9.99999999999999999e-5, kDot), "0.0001");
    EXPECT_EQ(numberText(1.5e-5, kComma), "1,5E-05");
}

TEST(NumberText, CommaLocaleAndNonFiniteValues) {
    EXPECT_EQ(numberText(-1.5, kComma), "-1,5");
    EXPECT_EQ(numberText(1234.5, kComma), "1234,5");
    EXPECT_THROW(numberText(std::numeric_limits<double>::infinity(), kDot), points::ProgramFailure);
    EXPECT_THROW(numberText(std::nan(""), kDot), points::ProgramFailure);
}

TEST(NumberText, WrittenTextsParseBackToTheValueTheyShow) {
    for (double value : {0.00001, -3.0, 1234.5, 1.0 / 3.0, -1e-300, 4.9e-324, 1.5e300, 0.1 + 0.2,
                         123456789.123456, -98765.4321}) {
        for (const auto& locale : {kDot, kComma}) {
            const std::string text = numberText(value, locale);
            EXPECT_EQ(text.find_first_of("YyZz"), std::string::npos);
            const double back = parseNumber(text, locale);
            EXPECT_EQ(numberText(back, locale), text);
            EXPECT_NEAR(back, value, std::abs(value) * 1e-14) << text;
        }
    }
}

// The doubles from 1.7976931348623151E+308 up round to a 15-digit text beyond the largest
// double; the text still reads back, as the largest double of its sign.
TEST(NumberText, TheLargestDoublesReadBackAtBothEndsOfTheRange) {
    const double max = std::numeric_limits<double>::max();
    const double lowestRoundingUp = 1.7976931348623151e308;
    for (double magnitude :
         {max, std::nextafter(max, 0.0), lowestRoundingUp, std::nextafter(lowestRoundingUp, max)}) {
        for (double value : {magnitude, -magnitude}) {
            for (const auto& locale : {kDot, kComma}) {
                const std::string text = numberText(value, locale);
                EXPECT_EQ(parseNumber(text, locale), std::copysign(max, value)) << text;
            }
        }
    }
    // Just below them the text is exact enough to read back as itself.
    const double below = std::nextafter(lowestRoundingUp, 0.0);
    EXPECT_EQ(numberText(below, kDot), "1.79769313486231E+308");
    EXPECT_EQ(parseNumber(numberText(below, kDot), kDot), 1.79769313486231e308);
    // At the other end of the range the smallest denormals.
    const double tiny = std::numeric_limits<double>::denorm_min();
    for (double value : {tiny, -tiny, 2 * tiny, std::numeric_limits<double>::min()}) {
        const std::string text = numberText(value, kDot);
        EXPECT_EQ(numberText(parseNumber(text, kDot), kDot), text);
    }
    // Beyond what the writer produces the reader still refuses an overflow.
    for (const char* text : {"1.797693134862321E+308", "1.8E+308", "-1.79769313486233E+308",
                             "1E+309", "17976931348623201E+292"}) {
        EXPECT_THROW(parseNumber(text, kDot), points::ProgramFailure) << text;
    }
    EXPECT_EQ(parseNumber("179769313486232E+294", kDot), max);
    EXPECT_EQ(parseNumber("-0.000179769313486232E+312", kDot), -max);
}

TEST(ParseNumber, AcceptsNumbersWithBlanksSignAndExponent) {
    EXPECT_EQ(parseNumber("1.5", kDot), 1.5);
    EXPECT_EQ(parseNumber("  -1.5 \t", kDot), -1.5);
    EXPECT_EQ(parseNumber("+2", kDot), 2.0);
    EXPECT_EQ(parseNumber(".5", kDot), 0.5);
    EXPECT_EQ(parseNumber("5.", kDot), 5.0);
    EXPECT_EQ(parseNumber("1E-05", kDot), 0.00001);
    EXPECT_EQ(parseNumber("2.5e+3", kDot), 2500.0);
    EXPECT_EQ(parseNumber("7e2", kDot), 700.0);
    EXPECT_EQ(parseNumber("1,5", kComma), 1.5);
    EXPECT_EQ(parseNumber("-1,5E+20", kComma), -1.5e20);
    // Too small to hold becomes zero, as the platform's conversion does.
    EXPECT_EQ(parseNumber("1E-400", kDot), 0.0);
    EXPECT_EQ(parseNumber("0.001e-0000000000000000400", kDot), 0.0);
    EXPECT_EQ(parseNumber("0e99999999999999999999", kDot), 0.0);
}

TEST(ParseNumber, RefusesEverythingElse) {
    for (const char* text : {"",
                             " ",
                             "\t ",
                             "1,5",
                             "1.5x",
                             "x1.5",
                             "inf",
                             "nan",
                             "Infinity",
                             "0x10",
                             "&H10",
                             "1,000.5",
                             "1.2.3",
                             "--1",
                             "+-1",
                             "1e",
                             "1e+",
                             "e5",
                             ".",
                             "-",
                             "1 5",
                             "1E400",
                             "-1e309",
                             "1.5d3",
                             "1.5 Y",
                             "0.1e1000000000000",
                             "100e00000000000000000308"}) {
        EXPECT_THROW(parseNumber(text, kDot), points::ProgramFailure) << '"' << text << '"';
    }
    // Under a comma locale the full stop is not a separator.
    EXPECT_THROW(parseNumber("1.5", kComma), points::ProgramFailure);
    EXPECT_THROW(parseNumber("1.000,5", kComma), points::ProgramFailure);
}

TEST(FixedSixText, SixDecimalsAndAtLeastOneDigitBeforeTheSeparator) {
    EXPECT_EQ(fixedSixText(1.0, kDot), "1.000000");
    EXPECT_EQ(fixedSixText(5.08, kDot), "5.080000");
    EXPECT_EQ(fixedSixText(5.08, kComma), "5,080000");
    EXPECT_EQ(fixedSixText(0.25, kDot), "0.250000");
    EXPECT_EQ(fixedSixText(0.0000004, kDot), "0.000000");
    EXPECT_EQ(fixedSixText(0.0000016, kDot), "0.000002");
    EXPECT_EQ(fixedSixText(-2.5, kDot), "-2.500000");
    EXPECT_EQ(fixedSixText(123456789.0, kDot), "123456789.000000");
    // A negative value keeps its sign even when it rounds to zero; zero itself has none.
    EXPECT_EQ(fixedSixText(-0.0000001, kDot), "-0.000000");
    EXPECT_EQ(fixedSixText(-0.0000001, kComma), "-0,000000");
    EXPECT_EQ(fixedSixText(-0.0, kDot), "0.000000");
    EXPECT_THROW(fixedSixText(std::numeric_limits<double>::infinity(), kDot),
                 points::ProgramFailure);
    EXPECT_THROW(fixedSixText(std::nan(""), kDot), points::ProgramFailure);
}

}  // namespace
