#include "com/result.h"

#include <gtest/gtest.h>

#include <string>

#include "com/bstr.h"
#include "com/tests/com_press_fixture.h"

namespace {

using ::com::Variant;

template <class T>
T as(const automation::Value& value) {
    const T* held = std::get_if<T>(&value.storage());
    EXPECT_NE(held, nullptr);
    return held ? *held : T{};
}

TEST(ResultTest, ScalarResultsBecomeTheProgramsValues) {
    EXPECT_EQ(as<std::int32_t>(::com::toValue(Variant::int16(-7))), -7);
    EXPECT_EQ(as<std::int32_t>(::com::toValue(Variant::int32(40000))), 40000);
    EXPECT_EQ(as<double>(::com::toValue(Variant::real(0.25))), 0.25);
    EXPECT_EQ(as<bool>(::com::toValue(Variant::boolean(true))), true);
    EXPECT_TRUE(::com::toValue(Variant()).isEmpty());
    // A null object is "nothing", as CheckInterference answers when the solids do not meet.
    EXPECT_TRUE(automation::isNothing(::com::toValue(Variant::dispatch(nullptr))));

    // An unsigned count beyond the 32-bit signed range stays a number, so the program's 16-bit
    // conversion reports the overflow instead of seeing a wrapped negative count.
    Variant wide;
    VARIANT* raw = wide.receive();
    raw->vt = VT_UI4;
    raw->ulVal = 3'000'000'000u;
    EXPECT_EQ(as<double>(::com::toValue(wide)), 3e9);
    EXPECT_THROW(automation::toInt16(::com::toValue(wide), {}), points::ProgramFailure);
}

// Null and a null object are no number and no text; Empty is 0 and the empty text. The same
// conversions as for a value the embedded stand-ins answer.
TEST(ResultTest, NullAndANullObjectAreNoNumberAndNoText) {
    const auto expectNoNumberAndNoText = [](const Variant& result) {
        const automation::Value value = ::com::toValue(result);
        EXPECT_THROW(automation::toDouble(value, {}), points::ProgramFailure);
        EXPECT_THROW(automation::toText(value, {}), points::ProgramFailure);
        EXPECT_THROW(automation::toInt16(value, {}), points::ProgramFailure);
    };
    Variant null;
    null.receive()->vt = VT_NULL;
    expectNoNumberAndNoText(null);
    expectNoNumberAndNoText(Variant::dispatch(nullptr));
    EXPECT_FALSE(automation::isNothing(::com::toValue(null)));
    EXPECT_EQ(automation::toDouble(::com::toValue(Variant()), {}), 0.0);
    EXPECT_EQ(automation::toText(::com::toValue(Variant()), {}), "");
}

// Coordinates answered as Null over COM fail their conversion as on the embedded stand-ins: the
// point is left out with the feature message, nothing is drawn at 0.
class NullCoordinateTest : public comtest::ComPressFixture {
  protected:
    // Presses through COM and on the embedded stand-ins with coordinate reads answering Null
    // after the given number of good ones (the first point takes six: its depth start point, then
    // its line).
    void pressWithNullAfter(std::size_t goodReads) {
        for (auto* p : {&f, &reference}) {
            p->addFeature("F1", {{1, 2, 3}, {4, 5, 6}});
            p->form.selectFeatures({0});
            p->form.choose(view::OptionButton::Option2);
            p->cmm->faults.answerOn(cmm::members::kReadCoordinate,
                                    automation::Value(automation::Null{}), goodReads);
        }
        press();
        reference.press();
        EXPECT_EQ(f.form.label2, "Can't Get Feature ");
        EXPECT_EQ(f.form.label2, reference.form.label2);
        EXPECT_EQ(lines(), reference.lines());
        EXPECT_EQ(f.drawn(standin::EntityKind::Sphere).size(),
                  reference.drawn(standin::EntityKind::Sphere).size());
        EXPECT_TRUE(f.form.messages.empty());
    }
    standin::testing::PressFixture reference;
};

TEST_F(NullCoordinateTest, NothingIsDrawnForPointsAnsweredNull) {
    pressWithNullAfter(0);
    EXPECT_TRUE(lines().empty());
    EXPECT_TRUE(f.drawn(standin::EntityKind::Sphere).empty());
}

TEST_F(NullCoordinateTest, PointsReadBeforeTheNullsAreDrawn) {
    pressWithNullAfter(6);
    EXPECT_EQ(lines(), (std::vector<std::string>{"X=1 Y=2 Z=3"}));
    ASSERT_EQ(f.drawn(standin::EntityKind::Sphere).size(), 1u);
    EXPECT_EQ(f.drawn(standin::EntityKind::Sphere)[0]->centre, (points::Point3{1, 2, 3}));
}

TEST(ResultTest, TextsCrossAsUtf16AndComeBackWhole) {
    const std::string name =
        "Mess\xC3\xA4"
        "hine \xC3\x98"
        "5";  // "Messähine Ø5"
    EXPECT_EQ(as<std::string>(::com::toValue(Variant::text(name))), name);
    EXPECT_EQ(::com::Bstr(name).utf8(), name);
    EXPECT_EQ(SysStringLen(::com::Bstr(name).get()), 12u);
    EXPECT_EQ(as<std::string>(::com::toValue(Variant::text(""))), "");
}

}  // namespace
