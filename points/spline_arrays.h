#pragma once

#include <vector>

#include "points/point_line.h"

namespace points {

// What one press gathers for its spline: the points of the last feature read with "Create
// Spline" checked (empty until a feature allocates it), and that feature's first and last point.
struct SplineArrays {
    std::vector<double> points;  // three doubles a point, X Y Z
    Point3 start{};
    Point3 end{};
};

}  // namespace points
