#include "automation/value.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <string>

namespace {

using automation::Value;

const points::NumberLocale kDot{'.'};
const points::NumberLocale kComma{','};

struct Thing : automation::Object {};

TEST(ValueToText, EachKindAsTheProgramShowsIt) {
    EXPECT_EQ(automation::toText(Value("F1"), kDot), "F1");
    EXPECT_EQ(automation::toText(Value(std::int32_t{-42}), kDot), "-42");
    EXPECT_EQ(automation::toText(Value(2.5), kComma), "2,5");
    EXPECT_EQ(automation::toText(Value(1.1 + 2.2), kDot), "3.3");
    EXPECT_EQ(automation::toText(Value(true), kDot), "True");
    EXPECT_EQ(automation::toText(Value(false), kDot), "False");
    EXPECT_EQ(automation::toText(Value(), kDot), "");
    EXPECT_THROW(automation::toText(Value(std::make_shared<Thing>()), kDot),
                 points::ProgramFailure);
}

TEST(ValueToDouble, NumbersBooleansAndStrictText) {
    EXPECT_EQ(automation::toDouble(Value(std::int32_t{7}), kDot), 7.0);
    EXPECT_EQ(automation::toDouble(Value(0.5), kDot), 0.5);
    EXPECT_EQ(automation::toDouble(Value(true), kDot), -1.0);
    EXPECT_EQ(automation::toDouble(Value(false), kDot), 0.0);
    EXPECT_EQ(automation::toDouble(Value(), kDot), 0.0);
    EXPECT_EQ(automation::toDouble(Value(" 2,54 "), kComma), 2.54);
    EXPECT_THROW(automation::toDouble(Value("abc"), kDot), points::ProgramFailure);
    EXPECT_THROW(automation::toDouble(Value("2.54mm"), kDot), points::ProgramFailure);
    EXPECT_THROW(automation::toDouble(Value(""), kDot), points::ProgramFailure);
    EXPECT_THROW(automation::toDouble(Value(std::make_shared<Thing>()), kDot),
                 points::ProgramFailure);
    EXPECT_THROW(automation::toDouble(Value(std::numeric_limits<double>::infinity()), kDot),
                 points::ProgramFailure);
    EXPECT_THROW(automation::toDouble(Value(std::nan("")), kDot), points::ProgramFailure);
}

TEST(ValueToInteger, RoundsHalfToEvenAndRefusesWhatDoesNotFit) {
    EXPECT_EQ(automation::toInt16(Value(std::int32_t{32767}), kDot), 32767);
    EXPECT_EQ(automation::toInt16(Value(std::int32_t{-32768}), kDot), -32768);
    EXPECT_THROW(automation::toInt16(Value(std::int32_t{40000}), kDot), points::ProgramFailure);
    EXPECT_THROW(automation::toInt16(Value(40000.0), kDot), points::ProgramFailure);
    EXPECT_THROW(automation::toInt16(Value("40000"), kDot), points::ProgramFailure);
    EXPECT_THROW(automation::toInt16(Value(std::int32_t{-32769}), kDot), points::ProgramFailure);
    EXPECT_EQ(automation::toInt16(Value(2.5), kDot), 2);
    EXPECT_EQ(automation::toInt16(Value(3.5), kDot), 4);
    EXPECT_EQ(automation::toInt16(Value(-2.5), kDot), -2);
    EXPECT_EQ(automation::toInt16(Value(2.4999), kDot), 2);
    EXPECT_EQ(automation::toInt16(Value(-2.6), kDot), -3);
    EXPECT_EQ(automation::toInt16(Value(32767.4), kDot), 32767);
    EXPECT_THROW(automation::toInt16(Value(32767.5), kDot), points::ProgramFailure);
    EXPECT_EQ(automation::toInt16(Value(true), kDot), -1);
    EXPECT_EQ(automation::toInt16(Value(), kDot), 0);
    EXPECT_EQ(automation::toInt16(Value(" 12,5 "), kComma), 12);
    EXPECT_THROW(automation::toInt16(Value("twelve"), kDot), points::ProgramFailure);
    EXPECT_THROW(automation::toInt16(Value(std::make_shared<Thing>()), kDot),
                 points::ProgramFailure);

    EXPECT_EQ(automation::toInt32(Value(40000.0), kDot), 40000);
    EXPECT_EQ(automation::toInt32(Value(std::int32_t{-2147483647 - 1}), kDot), -2147483647 - 1);
    EXPECT_THROW(automation::toInt32(Value(2147483648.0), kDot), points::ProgramFailure);
    EXPECT_THROW(automation::toInt32(Value(1e300), kDot), points::ProgramFailure);
    EXPECT_THROW(automation::toInt32(Value(std::nan("")), kDot), points::ProgramFailure);
}

// Null and a null object are no number and no text, whichever face answered them; Empty is.
TEST(ValueConversions, NullAndANullObjectFailWhereEmptyIsZero) {
    const Value null{automation::Null{}};
    const Value nullObject{automation::ObjectPtr()};
    for (const Value& value : {null, nullObject}) {
        EXPECT_THROW(automation::toText(value, kDot), points::ProgramFailure);
        EXPECT_THROW(automation::toDouble(value, kDot), points::ProgramFailure);
        EXPECT_THROW(automation::toInt16(value, kDot), points::ProgramFailure);
        EXPECT_THROW(automation::toInt32(value, kDot), points::ProgramFailure);
        EXPECT_THROW(automation::toObject<Thing>(value), points::ProgramFailure);
    }
    EXPECT_TRUE(null.isNull());
    EXPECT_FALSE(null.isEmpty());
    EXPECT_EQ(automation::toText(Value(), kDot), "");
    EXPECT_EQ(automation::toInt32(Value(), kDot), 0);
}

TEST(ValueIsNothing, EmptyOrNullObject) {
    EXPECT_TRUE(automation::isNothing(Value()));
    EXPECT_TRUE(automation::isNothing(Value(automation::ObjectPtr())));
    EXPECT_FALSE(automation::isNothing(Value(std::make_shared<Thing>())));
    EXPECT_FALSE(automation::isNothing(Value(std::int32_t{0})));
    EXPECT_FALSE(automation::isNothing(Value("")));
    // Null is a value of its own, not an absent object.
    EXPECT_FALSE(automation::isNothing(Value(automation::Null{})));
}

}  // namespace
