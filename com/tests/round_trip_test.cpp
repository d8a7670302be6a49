#include <string>
#include <vector>

#include "com/cad_model_space.h"
#include "com/tests/com_press_fixture.h"

namespace comtest {
namespace {

using standin::com::CallCounts;
using view::OptionButton;

// The calls both servers received, each kind on its own.
struct Calls {
    long lookups = 0, invokes = 0, directs = 0, queries = 0;
    bool operator==(const Calls&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Calls& c) {
    return out << "{lookups " << c.lookups << ", invokes " << c.invokes << ", directs " << c.directs
               << ", queries " << c.queries << "}";
}

class RoundTripTest : public ComPressFixture {
  protected:
    void reset() { measurement->control().calls = drawing->control().calls = {}; }
    Calls calls() {
        Calls c;
        for (const CallCounts* s : {&measurement->control().calls, &drawing->control().calls}) {
            c.lookups += static_cast<long>(s->lookups);
            c.invokes += static_cast<long>(s->invokes);
            c.directs += static_cast<long>(s->directs);
            c.queries += static_cast<long>(s->queries);
        }
        return c;
    }
    // The calls one more point of a feature costs: a press of 21 points less one of a single
    // point, over 20.
    Calls perPoint(OptionButton marker) {
        Calls pressed[2];
        for (int n : {1, 21}) {
            f.cmm->commands.clear();
            f.form.features.clear();
            std::vector<points::Point3> scan;
            // Along the part's top face, every other point lifted off it.
            for (int i = 0; i < n; ++i) scan.push_back({1.0 + i * 0.1, 5.0, i % 2 ? 11.5 : 10.5});
            f.addFeature("F1", scan);
            f.form.selectFeatures({0});
            f.form.choose(marker);
            reset();
            press();
            EXPECT_EQ(f.form.label2, "CMM-1");
            pressed[n > 1] = calls();
        }
        const auto per = [](long more, long one) { return (more - one) / 20; };
        return {per(pressed[1].lookups, pressed[0].lookups),
                per(pressed[1].invokes, pressed[0].invokes),
                per(pressed[1].directs, pressed[0].directs),
                per(pressed[1].queries, pressed[0].queries)};
    }
    void SetUp() override {
        ComPressFixture::SetUp();
        standin::DrawnEntity part;
        part.kind = standin::EntityKind::Solid;
        part.shape = standin::geometry::Box{{0, 0, 0}, {10, 10, 10}};
        f.cad->drawing.defineGroup("PART", {f.cad->drawing.add(part)});
        f.form.texts[view::TextBox::Text3] = "0.05";
    }
};

// Each point needs its feature point, X, Y and Z, the model space, the marker and Finish; the
// point object and the marker are checked as their interfaces once, Finish goes through the
// checked interface, and no name is looked up again.
TEST_F(RoundTripTest, APointCostsItsOperationsAndTheTwoInterfaceChecksOnly) {
    EXPECT_EQ(perPoint(OptionButton::Option1), (Calls{0, 6, 1, 2}));
    EXPECT_EQ(perPoint(OptionButton::Option2), (Calls{0, 6, 1, 2}));
    // Sphere Tolerance, half the points meeting the part: outer sphere, its check and MarkCode;
    // then either Measure and Discard of the interference solid or the inner sphere and its
    // check; and the final marker with MarkCode and Finish.
    const Calls tolerance = perPoint(OptionButton::Option5);
    EXPECT_EQ(tolerance.lookups, 0);
    EXPECT_LE(tolerance.lookups + tolerance.invokes + tolerance.directs + tolerance.queries, 23);
}

TEST_F(RoundTripTest, StartUpCostsFourRequestsAndTwoChecksPerCommand) {
    Calls counted[2];
    for (int n : {1, 11}) {
        f.cmm->commands.clear();
        for (int i = 0; i < n; ++i)
            f.cmm->commands.push_back({std::string("F").append(std::to_string(i)), "F", {}});
        f.form = view::MemoryForm();
        reset();
        startUp();
        counted[n > 1] = calls();
    }
    EXPECT_EQ(counted[1].lookups, counted[0].lookups) << "names are looked up once a link";
    EXPECT_EQ((counted[1].invokes - counted[0].invokes) / 10, 4);
    EXPECT_EQ((counted[1].queries - counted[0].queries) / 10, 2);
    EXPECT_EQ(counted[1].directs, 0);
}

TEST_F(RoundTripTest, EveryLinkLooksItsNamesUpAnew) {
    f.addFeature("F1", {{1, 2, 3}});
    f.form.selectFeatures({0});
    reset();
    press();
    const Calls first = calls();
    reset();
    press();
    EXPECT_GT(first.lookups, 0);
    EXPECT_EQ(calls(), first) << "the second press is a new link to both applications";
}

TEST_F(RoundTripTest, DirectMembersGoThroughTheCheckedInterfaceWithoutAnotherQuery) {
    auto application = automation::toObject<cad::Application>(cad.attach());
    auto document = automation::toObject<cad::Document>(application->activeDocument());
    auto space = automation::toObject<::com::CadModelSpace>(document->modelSpace());
    auto circle = automation::toObject<cad::Circle>(space->addCircle({1, 2, 3}, 1));
    auto sphere = automation::toObject<cad::Solid>(space->addSphere({1, 2, 3}, 1));
    reset();
    circle->setMarkCode(3);
    circle->finish();
    sphere->setMarkCode(1);
    sphere->finish();
    sphere->measure();
    sphere->discard();
    EXPECT_EQ(calls(), (Calls{0, 0, 6, 0}));
    EXPECT_EQ(f.drawn(standin::EntityKind::Circle)[0]->markCode, 3);
    EXPECT_TRUE(f.drawn(standin::EntityKind::Circle)[0]->finished);
}

}  // namespace
}  // namespace comtest
