#include <functional>

#include "com/tests/com_press_fixture.h"

namespace comtest {
namespace {

using standin::EntityKind;
using standin::testing::PressFixture;
using view::CheckBox;
using view::OptionButton;
using view::TextBox;

// The same inputs for the press through COM and for the reference press on the embedded
// stand-ins: the comparison scene with F3 and F7 selected.
void prepare(PressFixture& p) {
    p.addComparisonScene();
    p.form.selectFeatures({1, 3});
    p.form.texts[TextBox::Text3] = "0.1";
}

void expectSameDrawing(const PressFixture& reference, const PressFixture& viaCom,
                       const std::vector<std::string>& linesViaCom) {
    const auto& want = reference.cad->drawing.entities();
    const auto& got = viaCom.cad->drawing.entities();
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
        SCOPED_TRACE("entity " + std::to_string(i));
        EXPECT_EQ(got[i]->kind, want[i]->kind);
        EXPECT_EQ(got[i]->centre, want[i]->centre);
        EXPECT_DOUBLE_EQ(got[i]->radius, want[i]->radius);
        EXPECT_EQ(got[i]->splinePoints, want[i]->splinePoints);
        EXPECT_EQ(got[i]->splineStart, want[i]->splineStart);
        EXPECT_EQ(got[i]->splineEnd, want[i]->splineEnd);
        EXPECT_EQ(got[i]->markCode, want[i]->markCode);
        EXPECT_EQ(got[i]->finished, want[i]->finished);
        EXPECT_EQ(got[i]->discarded, want[i]->discarded);
    }
    EXPECT_EQ(linesViaCom, reference.lines());
    EXPECT_EQ(viaCom.form.label2, reference.form.label2);
    EXPECT_EQ(viaCom.form.messages, reference.form.messages);
}

class WholePressTest : public ComPressFixture {
  protected:
    // Runs the press through COM and on the embedded stand-ins with the same settings.
    void pressBoth(const std::function<void(PressFixture&)>& settings) {
        prepare(f);
        prepare(reference);
        settings(f);
        settings(reference);
        press();
        reference.press();
    }
    PressFixture reference;
};

TEST_F(WholePressTest, StartUpShowsMachineDiameterAndFeatures) {
    f.cmm->machineName = "GLOBAL-7107 \xC3\x98";  // a non-ASCII name crosses as UTF-16
    f.cmm->probeRadius = 0.25;
    f.cmm->commands = {{"F1", "FEAT/POINT", {}},
                       {"CIR2", "FEAT/CIRCLE", {}},
                       {"F2", "FEAT/POINT", {}},
                       {"FA", "FEAT/POINT", {}}};
    f.form = view::MemoryForm();
    startUp();
    EXPECT_EQ(f.form.label2, "GLOBAL-7107 \xC3\x98");
    EXPECT_EQ(f.form.text(TextBox::Text1), "0.500000");
    ASSERT_EQ(f.form.features.size(), 2u);
    EXPECT_EQ(f.form.features[0].id, "F1");
    EXPECT_EQ(f.form.features[1].id, "F2");
    EXPECT_NE(engine.cmmLink().machine(), nullptr);
    EXPECT_GT(measurement->control().accepted, 0u);
}

TEST_F(WholePressTest, SpheresWithShiftAndMirrorMatchTheEmbeddedPress) {
    pressBoth([](PressFixture& p) {
        p.form.choose(OptionButton::Option2);
        p.form.texts[TextBox::Text6] = "10";
        p.form.checks[CheckBox::Check7] = 1;
    });
    expectSameDrawing(reference, f, lines());
    const auto spheres = f.drawn(EntityKind::Sphere);
    ASSERT_EQ(spheres.size(), 5u);
    EXPECT_EQ(spheres[0]->centre, (points::Point3{11, 2, -3}));
    EXPECT_EQ(spheres[0]->radius, 0.5);
    EXPECT_TRUE(f.cad->visible);
}

TEST_F(WholePressTest, CirclesAndSplineMatchTheEmbeddedPress) {
    pressBoth([](PressFixture& p) { p.form.checks[CheckBox::Check4] = 1; });
    expectSameDrawing(reference, f, lines());
    EXPECT_EQ(f.drawn(EntityKind::Circle).size(), 5u);
    const auto splines = f.drawn(EntityKind::Spline);
    ASSERT_EQ(splines.size(), 1u);
    EXPECT_EQ(splines[0]->splinePoints, (std::vector<double>{-1.5, 20, 3.25, 20, 20, 20}));
    EXPECT_TRUE(splines[0]->finished);
    // The last circle stays reachable through COM: its marker code goes to the fifth circle.
    ASSERT_NE(engine.cadLink().lastCircle(), nullptr);
    engine.cadLink().lastCircle()->setMarkCode(7);
    EXPECT_EQ(f.drawn(EntityKind::Circle)[4]->markCode, 7);
}

TEST_F(WholePressTest, SphereToleranceMatchesTheEmbeddedPress) {
    pressBoth([](PressFixture& p) { p.form.choose(OptionButton::Option5); });
    expectSameDrawing(reference, f, lines());
    // The point beside the top face meets the part with its outer sphere: an interference solid
    // was measured and discarded through the direct members.
    std::size_t discarded = 0;
    for (const auto& e : f.cad->drawing.entities())
        discarded += e->kind == EntityKind::InterferenceSolid && e->discarded;
    EXPECT_GT(discarded, 0u);
    EXPECT_TRUE(f.form.messages.empty());
}

TEST_F(WholePressTest, ARefusedSplineThroughComIsTheSameLinkFailure) {
    // Nothing selected: the spline request goes out with an array never allocated.
    pressBoth([](PressFixture& p) {
        p.form.selectFeatures({});
        p.form.checks[CheckBox::Check4] = 1;
    });
    expectSameDrawing(reference, f, lines());
    EXPECT_EQ(f.form.label2, "Can't Link to AutoCAD");
}

}  // namespace
}  // namespace comtest
