#include "com/tests/com_press_fixture.h"

namespace comtest {
namespace {

using standin::EntityKind;
using view::OptionButton;

class LinkTest : public ComPressFixture {
  protected:
    void SetUp() override {
        ComPressFixture::SetUp();
        f.addFeature("F1", {{1, 2, 3}, {4, 5, 6}});
        f.form.selectFeatures({0});
        f.form.choose(OptionButton::Option2);
    }
};

TEST_F(LinkTest, NoCmmApplicationRegisteredCannotLink) {
    measurement.reset();  // takes its ProgID out of the registry and revokes the class
    startUp();
    EXPECT_EQ(f.form.label2, "Can't Link to PC-DMIS");
    EXPECT_EQ(engine.cmmLink().application(), nullptr);

    f.form.label2 = "CMM-1";
    press();
    EXPECT_EQ(f.form.label2, "Can't Link to PC-DMIS");
    EXPECT_TRUE(f.cad->drawing.entities().empty());
}

TEST_F(LinkTest, NoCadApplicationInTheRunningObjectTableCannotLink) {
    drawing->stop();
    press();
    EXPECT_EQ(f.form.label2, "Can't Link to AutoCAD");
    EXPECT_EQ(lines(), (std::vector<std::string>{"X=1 Y=2 Z=3", "X=4 Y=5 Z=6"}));
    EXPECT_TRUE(f.cad->drawing.entities().empty());
    EXPECT_FALSE(f.cad->visible) << "no new instance was started";
}

TEST_F(LinkTest, ServersThatGoAwayBetweenPressesAreLinkedAnewWhenBack) {
    press();
    EXPECT_EQ(f.drawn(EntityKind::Sphere).size(), 2u);

    drawing->stop();
    press();
    EXPECT_EQ(f.form.label2, "Can't Link to AutoCAD");
    EXPECT_EQ(f.drawn(EntityKind::Sphere).size(), 2u);

    drawing->start();
    f.form.label2 = "CMM-1";
    press();
    EXPECT_EQ(f.form.label2, "CMM-1");
    EXPECT_EQ(f.drawn(EntityKind::Sphere).size(), 4u);

    measurement.reset();
    press();
    EXPECT_EQ(f.form.label2, "Can't Link to PC-DMIS");
    EXPECT_EQ(f.drawn(EntityKind::Sphere).size(), 4u);

    measurement.emplace(std::make_shared<standin::CmmConnector>(f.cmm));
    f.form.label2 = "CMM-1";
    press();
    EXPECT_EQ(f.form.label2, "CMM-1");
    EXPECT_EQ(f.drawn(EntityKind::Sphere).size(), 6u);
}

}  // namespace
}  // namespace comtest
