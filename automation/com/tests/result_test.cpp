#include "automation/com/result.h"

#include <gtest/gtest.h>

#include <string>

#include "automation/com/bstr.h"

namespace {

using automation::com::Variant;

template <class T>
T as(const automation::Value& value) {
    const T* held = std::get_if<T>(&value.storage());
    EXPECT_NE(held, nullptr);
    return held ? *held : T{};
}

TEST(ResultTest, ScalarResultsBecomeTheProgramsValues) {
    EXPECT_EQ(as<std::int32_t>(automation::com::toValue(Variant::int16(-7))), -7);
    EXPECT_EQ(as<std::int32_t>(automation::com::toValue(Variant::int32(40000))), 40000);
    EXPECT_EQ(as<double>(automation::com::toValue(Variant::real(0.25))), 0.25);
    EXPECT_EQ(as<bool>(automation::com::toValue(Variant::boolean(true))), true);
    EXPECT_TRUE(automation::com::toValue(Variant()).isEmpty());
    // A null object is "nothing", as CheckInterference answers when the solids do not meet.
    EXPECT_TRUE(automation::com::toValue(Variant::dispatch(nullptr)).isEmpty());

    // An unsigned count beyond the 32-bit signed range stays a number, so the program's 16-bit
    // conversion reports the overflow instead of seeing a wrapped negative count.
    Variant wide;
    VARIANT* raw = wide.receive();
    raw->vt = VT_UI4;
    raw->ulVal = 3'000'000'000u;
    EXPECT_EQ(as<double>(automation::com::toValue(wide)), 3e9);
    EXPECT_THROW(automation::toInt16(automation::com::toValue(wide), {}), points::Failure);
}

TEST(ResultTest, TextsCrossAsUtf16AndComeBackWhole) {
    const std::string name =
        "Mess\xC3\xA4"
        "hine \xC3\x98"
        "5";  // "Messähine Ø5"
    EXPECT_EQ(as<std::string>(automation::com::toValue(Variant::text(name))), name);
    EXPECT_EQ(automation::com::Bstr(name).utf8(), name);
    EXPECT_EQ(SysStringLen(automation::com::Bstr(name).get()), 12u);
    EXPECT_EQ(as<std::string>(automation::com::toValue(Variant::text(""))), "");
}

}  // namespace
