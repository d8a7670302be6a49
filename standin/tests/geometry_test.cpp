#include "standin/geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace standin::geometry {
namespace {

constexpr double pi = std::numbers::pi;

double ballVolume(double r) { return 4.0 / 3.0 * pi * r * r * r; }

// Volume of the cap of height h cut off a ball of radius r.
double capVolume(double r, double h) { return pi * h * h * (3.0 * r - h) / 3.0; }

void expectWithinPercent(double actual, double expected, double percent = 0.1) {
    EXPECT_NEAR(actual, expected, std::abs(expected) * percent / 100.0);
}

const Box block{{0, 0, 0}, {120, 80, 30}};

TEST(SphereAgainstBox, MeetsWhenItReachesIntoTheBlock) {
    EXPECT_TRUE(meets({{60, 40, 15}, 1}, block));        // inside
    EXPECT_TRUE(meets({{-0.5, 40, 15}, 1}, block));      // through a face
    EXPECT_TRUE(meets({{-0.5, -0.5, 15}, 1}, block));    // across an edge
    EXPECT_TRUE(meets({{-0.5, -0.5, -0.5}, 1}, block));  // over a corner
    EXPECT_TRUE(meets({{60, 40, 15}, 500}, block));      // swallowing the block
}

TEST(SphereAgainstBox, ApartOrTouchingIsNotMeeting) {
    EXPECT_FALSE(meets({{-2, 40, 15}, 1}, block));
    EXPECT_FALSE(meets({{-1, 40, 15}, 1}, block));                // touches a face at a point
    EXPECT_FALSE(meets({{121, 81, 15}, std::sqrt(2.0)}, block));  // touches an edge
    EXPECT_FALSE(meets({{-1, -1, -1}, std::sqrt(3.0)}, block));   // touches a corner
    EXPECT_FALSE(meets({{-0.9, -0.9, 15}, 1.2}, block));          // beside the edge, not on it
    EXPECT_EQ(intersectionVolume({{-1, 40, 15}, 1}, block), 0.0);
}

TEST(SphereAgainstBox, VolumesOfKnownOverlaps) {
    expectWithinPercent(intersectionVolume({{60, 40, 15}, 10}, block), ballVolume(10));
    // A face through the centre halves the ball; two faces quarter it, three leave an eighth.
    expectWithinPercent(intersectionVolume({{0, 40, 15}, 10}, block), ballVolume(10) / 2);
    expectWithinPercent(intersectionVolume({{0, 0, 15}, 10}, block), ballVolume(10) / 4);
    expectWithinPercent(intersectionVolume({{0, 0, 0}, 10}, block), ballVolume(10) / 8);
    // A probe-sized ball sinking 0.3 into the top face: a cap.
    expectWithinPercent(intersectionVolume({{60, 40, 30.7}, 1}, block), capVolume(1, 0.3));
    // A ball swallowing the block gives the block back.
    expectWithinPercent(intersectionVolume({{60, 40, 15}, 200}, block), 120.0 * 80 * 30);
    // A thin slab cut by a ball centred on it: integrate the discs of the slab.
    const Box slab{{-50, -50, -1}, {50, 50, 1}};
    expectWithinPercent(intersectionVolume({{0, 0, 0}, 10}, slab),
                        ballVolume(10) - 2 * capVolume(10, 9));
}

TEST(SphereAgainstBox, CornerCapMatchesIndependentEstimate) {
    // Cross-check a cut with no closed form against a plain grid count of the same solid.
    const Sphere s{{118, 1, 29}, 3};
    const int n = 240;
    const double step = 2 * s.radius / n;
    double counted = 0.0;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            for (int k = 0; k < n; ++k) {
                const double x = s.centre[0] - s.radius + (i + 0.5) * step;
                const double y = s.centre[1] - s.radius + (j + 0.5) * step;
                const double z = s.centre[2] - s.radius + (k + 0.5) * step;
                const double dx = x - s.centre[0], dy = y - s.centre[1], dz = z - s.centre[2];
                if (dx * dx + dy * dy + dz * dz < s.radius * s.radius && x < 120 && y > 0 && z < 30)
                    counted += step * step * step;
            }
    expectWithinPercent(intersectionVolume(s, block), counted, 1.0);
}

const Cylinder pin{{-20, 40, 0}, 6, 40};

TEST(SphereAgainstCylinder, MeetsApartAndTouching) {
    EXPECT_TRUE(meets({{-20, 40, 20}, 1}, pin));
    EXPECT_TRUE(meets({{-13.5, 40, 20}, 1}, pin));              // through the side
    EXPECT_TRUE(meets({{-20, 40, 40.5}, 1}, pin));              // through the top
    EXPECT_FALSE(meets({{-12, 40, 20}, 1}, pin));               // apart
    EXPECT_FALSE(meets({{-13, 40, 20}, 1}, pin));               // touches the side
    EXPECT_FALSE(meets({{-20, 40, 41}, 1}, pin));               // touches the top
    EXPECT_FALSE(meets({{-13, 40, 41}, std::sqrt(2.0)}, pin));  // touches the rim
    EXPECT_FALSE(meets({{-20, 40, 50}, 10}, pin));              // rests on the top face
    EXPECT_EQ(intersectionVolume({{-13, 40, 20}, 1}, pin), 0.0);
}

TEST(SphereAgainstCylinder, VolumesOfKnownOverlaps) {
    expectWithinPercent(intersectionVolume({{-20, 40, 20}, 5}, pin), ballVolume(5));
    // Coaxial and wider than the pin: a cylinder with two caps.
    const double r = 10, a = 6, h = std::sqrt(r * r - a * a);
    const double coaxial = pi * a * a * 2 * h + 2 * capVolume(r, r - h);
    expectWithinPercent(intersectionVolume({{-20, 40, 20}, r}, pin), coaxial);
    // Centred on the top face: half of the coaxial solid.
    expectWithinPercent(intersectionVolume({{-20, 40, 40}, r}, pin), coaxial / 2);
    // Centred on the side wall of a much larger cylinder: very nearly half the ball.
    const Cylinder drum{{0, 0, -100}, 1000, 200};
    expectWithinPercent(intersectionVolume({{1000, 0, 0}, 1}, drum), ballVolume(1) / 2, 0.2);
}

TEST(SphereAgainstSphere, MeetsApartTouchingAndLens) {
    const Sphere reference{{150, 40, 25}, 12.5};
    EXPECT_TRUE(meets({{163, 40, 25}, 1}, reference));
    EXPECT_FALSE(meets({{163.5, 40, 25}, 1}, reference));  // touching
    EXPECT_FALSE(meets({{170, 40, 25}, 1}, reference));
    EXPECT_EQ(intersectionVolume({{163.5, 40, 25}, 1}, reference), 0.0);

    const double r1 = 3, r2 = 2, d = 4;
    const double lens =
        pi * (r1 + r2 - d) * (r1 + r2 - d) *
        (d * d + 2 * d * r2 - 3 * r2 * r2 + 2 * d * r1 + 6 * r1 * r2 - 3 * r1 * r1) / (12 * d);
    expectWithinPercent(intersectionVolume({{0, 0, 0}, r1}, Sphere{{d, 0, 0}, r2}), lens);
    // Two equal balls a radius apart: the lens is two caps of half the radius.
    expectWithinPercent(intersectionVolume({{0, 0, 0}, 2}, Sphere{{2, 0, 0}, 2}),
                        2 * capVolume(2, 1));
    expectWithinPercent(intersectionVolume({{0, 0, 0}, 1}, Sphere{{0.5, 0, 0}, 5}), ballVolume(1));
}

TEST(Geometry, DegenerateSolidsNeverMeet) {
    EXPECT_FALSE(meets({{60, 40, 15}, 0}, block));
    EXPECT_FALSE(meets({{60, 40, 15}, -1}, block));
    EXPECT_FALSE(meets({{60, 40, 15}, std::nan("")}, block));
    EXPECT_FALSE(meets({{0, 0, 0}, 1}, Box{{-1, -1, 0}, {1, 1, 0}}));  // a flat box
    EXPECT_FALSE(meets({{0, 0, 0}, 1}, Cylinder{{0, 0, -1}, 0, 2}));
    EXPECT_EQ(intersectionVolume({{60, 40, 15}, 0}, block), 0.0);
}

}  // namespace
}  // namespace standin::geometry
