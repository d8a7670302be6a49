#include "points/point_line.h"

#include <gtest/gtest.h>

#include "points/program_failure.h"

namespace {

using points::formatPointLine;
using points::parsePointLine;
using points::Point3;

const points::NumberLocale kDot{'.'};
const points::NumberLocale kComma{','};

TEST(PointLine, WritesTheThreeNumbersInTheirPlaces) {
    EXPECT_EQ(formatPointLine(-1.5, 20, 3.25, kDot), "X=-1.5 Y=20 Z=3.25");
    EXPECT_EQ(formatPointLine(-1.5, 20, 3.25, kComma), "X=-1,5 Y=20 Z=3,25");
    EXPECT_EQ(formatPointLine(0.00001, -3, 1234.5, kDot), "X=1E-05 Y=-3 Z=1234.5");
}

TEST(PointLine, RoundTrips) {
    for (const auto& locale : {kDot, kComma}) {
        const Point3 back = parsePointLine(formatPointLine(0.00001, -3, 1234.5, locale), locale);
        EXPECT_EQ(back, (Point3{0.00001, -3, 1234.5}));

        const Point3 negative =
            parsePointLine(formatPointLine(-7.25, -1e-7, -2.5e20, locale), locale);
        EXPECT_EQ(negative, (Point3{-7.25, -1e-7, -2.5e20}));
    }
    // 17 significant digits are written with 15 and come back as the 15-digit value.
    const Point3 rounded =
        parsePointLine(formatPointLine(1.2345678901234567, 0.10000000000000002, 3, kDot), kDot);
    EXPECT_EQ(rounded[0], 1.23456789012346);
    EXPECT_EQ(rounded[1], 0.1);
}

TEST(PointLine, ParsesLinesNotMadeByTheWriter) {
    EXPECT_EQ(parsePointLine("X=1  Y=2 Z=3", kDot), (Point3{1, 2, 3}));
    EXPECT_EQ(parsePointLine("X= 1 Y= 2  Z= 3 ", kDot), (Point3{1, 2, 3}));
    EXPECT_EQ(parsePointLine("x=1 y=2 z=3", kDot), (Point3{1, 2, 3}));
    // The first two characters are skipped unread, whatever they are.
    EXPECT_EQ(parsePointLine("ab4 Y=5 Z=6", kDot), (Point3{4, 5, 6}));
    // One character before the Z is always dropped: with no space the Y number loses a digit.
    EXPECT_EQ(parsePointLine("X=1 Y=25Z=3", kDot), (Point3{1, 2, 3}));
    // ... and a one-character Y number is left empty, which is not a number.
    EXPECT_THROW(parsePointLine("X=1 Y=2Z=3", kDot), points::ProgramFailure);
    // Nothing after "Z=" leaves the Z text empty.
    EXPECT_THROW(parsePointLine("X=1 Y=2 Z=", kDot), points::ProgramFailure);
}

TEST(PointLine, RefusesLinesWithoutYOrZOrWithNonNumbers) {
    for (const char* line : {"X=1 Z=3", "X=1 Z=3 Y=2", "X=1 Y=2", "", "X=", "Y=1 Z=2", "XY=1 Z=2",
                             "X=1 YZ=2", "X=1 Y=a Z=3", "X=1 Y=2 Z=3x"}) {
        EXPECT_THROW(parsePointLine(line, kDot), points::ProgramFailure) << line;
    }
    // A line written under another decimal separator is not read.
    EXPECT_THROW(parsePointLine("X=1.5 Y=2 Z=3", kComma), points::ProgramFailure);
}

}  // namespace
