#pragma once

#include <variant>

#include "points/point_line.h"

// Solids of the CAD stand-in and the one question the program asks about them: how much of a
// sphere lies inside another solid.
namespace standin::geometry {

using points::Point3;

struct Sphere {
    Point3 centre{};
    double radius = 0.0;
};
// Axis-aligned.
struct Box {
    Point3 min{};
    Point3 max{};
};
// Axis along Z, from the base centre up by the height.
struct Cylinder {
    Point3 baseCentre{};
    double radius = 0.0;
    double height = 0.0;
};
using Shape = std::variant<Sphere, Box, Cylinder>;

// True when the solids share volume; touching at a point or along a line is not meeting.
bool meets(const Sphere& sphere, const Shape& solid);

// Volume of the common part, 0 when they do not meet; numerically to well within 1 %.
double intersectionVolume(const Sphere& sphere, const Shape& solid);

}  // namespace standin::geometry
