#include "standin/geometry.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

namespace standin::geometry {
namespace {

constexpr double pi = std::numbers::pi;

bool usable(const Sphere& s) {
    return std::isfinite(s.radius) && s.radius > 0.0 && std::isfinite(s.centre[0]) &&
           std::isfinite(s.centre[1]) && std::isfinite(s.centre[2]);
}

bool usable(const Box& b) {
    for (int i = 0; i < 3; ++i) {
        if (!std::isfinite(b.min[i]) || !std::isfinite(b.max[i]) || !(b.min[i] < b.max[i]))
            return false;
    }
    return true;
}

bool usable(const Cylinder& c) {
    return std::isfinite(c.radius) && c.radius > 0.0 && std::isfinite(c.height) && c.height > 0.0 &&
           std::isfinite(c.baseCentre[0]) && std::isfinite(c.baseCentre[1]) &&
           std::isfinite(c.baseCentre[2]);
}

double sphereVolume(double r) { return 4.0 / 3.0 * pi * r * r * r; }

// Distance from a point to a closed solid; the open ball meets the solid's interior exactly when
// this is below the radius, which is why touching does not count as meeting.
double distanceTo(const Point3& p, const Sphere& s) {
    const double dx = p[0] - s.centre[0], dy = p[1] - s.centre[1], dz = p[2] - s.centre[2];
    return std::max(0.0, std::sqrt(dx * dx + dy * dy + dz * dz) - s.radius);
}

double distanceTo(const Point3& p, const Box& b) {
    double sum = 0.0;
    for (int i = 0; i < 3; ++i) {
        const double out = std::max({b.min[i] - p[i], 0.0, p[i] - b.max[i]});
        sum += out * out;
    }
    return std::sqrt(sum);
}

double distanceTo(const Point3& p, const Cylinder& c) {
    const double radial =
        std::max(0.0, std::hypot(p[0] - c.baseCentre[0], p[1] - c.baseCentre[1]) - c.radius);
    const double top = c.baseCentre[2] + c.height;
    const double axial = std::max({c.baseCentre[2] - p[2], 0.0, p[2] - top});
    return std::hypot(radial, axial);
}

// Integral of sqrt(R^2 - x^2) from 0 to x, for |x| <= R.
double halfChordIntegral(double x, double R) {
    const double s = std::sqrt(std::max(0.0, R * R - x * x));
    return 0.5 * (x * s + R * R * std::asin(std::clamp(x / R, -1.0, 1.0)));
}

// Area of the disc of radius R about the origin with x <= a and y <= b.
double discQuadrantArea(double a, double b, double R) {
    const double A = std::clamp(a, -R, R);
    if (b <= -R || A <= -R) return 0.0;
    const double full = halfChordIntegral(A, R) - halfChordIntegral(-R, R);
    if (b >= R) return 2.0 * full;
    // Over |x| <= w the chord is cut at y = b; outside it the cut does not bite (b >= 0) or
    // nothing is left (b < 0).
    const double w = std::sqrt(R * R - b * b);
    const double hi = std::min(A, w);
    double cut = 0.0;
    if (hi > -w) cut = halfChordIntegral(hi, R) - halfChordIntegral(-w, R);
    const double width = hi > -w ? hi + w : 0.0;
    if (b >= 0.0) return 2.0 * full - (cut - b * width);
    return cut + b * width;
}

// Area of the disc of radius R centred at (cx, cy) inside the rectangle.
double discRectangleArea(double cx, double cy, double R, const Box& box) {
    if (R <= 0.0) return 0.0;
    const double x1 = box.min[0] - cx, x2 = box.max[0] - cx;
    const double y1 = box.min[1] - cy, y2 = box.max[1] - cy;
    const double area = discQuadrantArea(x2, y2, R) - discQuadrantArea(x1, y2, R) -
                        discQuadrantArea(x2, y1, R) + discQuadrantArea(x1, y1, R);
    return std::clamp(area, 0.0, pi * R * R);
}

// Area common to two discs whose centres lie d apart.
double discDiscArea(double r1, double r2, double d) {
    if (r1 <= 0.0 || r2 <= 0.0 || d >= r1 + r2) return 0.0;
    const double small = std::min(r1, r2);
    if (d <= std::abs(r1 - r2)) return pi * small * small;
    const double a1 =
        std::acos(std::clamp((d * d + r1 * r1 - r2 * r2) / (2.0 * d * r1), -1.0, 1.0));
    const double a2 =
        std::acos(std::clamp((d * d + r2 * r2 - r1 * r1) / (2.0 * d * r2), -1.0, 1.0));
    const double k = (-d + r1 + r2) * (d + r1 - r2) * (d - r1 + r2) * (d + r1 + r2);
    return r1 * r1 * a1 + r2 * r2 * a2 - 0.5 * std::sqrt(std::max(0.0, k));
}

constexpr std::array<double, 8> gaussNodes = {
    -0.9602898564975363, -0.7966664774136267, -0.5255324099163290, -0.1834346424956498,
    0.1834346424956498,  0.5255324099163290,  0.7966664774136267,  0.9602898564975363};
constexpr std::array<double, 8> gaussWeights = {
    0.1012285362903763, 0.2223810344533745, 0.3137066252891100, 0.3626837833783620,
    0.3626837833783620, 0.3137066252891100, 0.2223810344533745, 0.1012285362903763};

template <class Area>
double gauss(const Area& area, double lo, double hi) {
    const double half = 0.5 * (hi - lo), mid = 0.5 * (hi + lo);
    double sum = 0.0;
    for (std::size_t i = 0; i < gaussNodes.size(); ++i)
        sum += gaussWeights[i] * area(mid + half * gaussNodes[i]);
    return sum * half;
}

// Splits until both halves agree with the whole; the pieces between break points are smooth
// apart from mild root behaviour at their ends, so this settles after a few levels.
template <class Area>
double adaptive(const Area& area, double lo, double hi, double whole, double tolerance, int depth) {
    const double mid = 0.5 * (lo + hi);
    const double left = gauss(area, lo, mid), right = gauss(area, mid, hi);
    if (depth == 0 || std::abs(left + right - whole) <= tolerance) return left + right;
    return adaptive(area, lo, mid, left, 0.5 * tolerance, depth - 1) +
           adaptive(area, mid, hi, right, 0.5 * tolerance, depth - 1);
}

// Integrates the slice area over z from lo to hi, split at the heights where the slice's
// radius equals one of the given plane distances (where the area stops being smooth).
template <class Area>
double integrateSlices(const Sphere& s, double lo, double hi, const std::vector<double>& distances,
                       const Area& area) {
    if (!(lo < hi)) return 0.0;
    std::vector<double> cuts = {lo, hi};
    for (double d : distances) {
        if (d < 0.0 || d >= s.radius) continue;
        const double h = std::sqrt(s.radius * s.radius - d * d);
        for (double z : {s.centre[2] - h, s.centre[2] + h})
            if (z > lo && z < hi) cuts.push_back(z);
    }
    std::sort(cuts.begin(), cuts.end());
    const double tolerance = 1e-9 * sphereVolume(s.radius);
    double total = 0.0;
    for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
        if (!(cuts[i] < cuts[i + 1])) continue;
        total +=
            adaptive(area, cuts[i], cuts[i + 1], gauss(area, cuts[i], cuts[i + 1]), tolerance, 12);
    }
    return total;
}

double sliceRadius(const Sphere& s, double z) {
    const double dz = z - s.centre[2];
    return std::sqrt(std::max(0.0, s.radius * s.radius - dz * dz));
}

double volume(const Sphere& s, const Sphere& other) {
    const double d = std::sqrt((s.centre[0] - other.centre[0]) * (s.centre[0] - other.centre[0]) +
                               (s.centre[1] - other.centre[1]) * (s.centre[1] - other.centre[1]) +
                               (s.centre[2] - other.centre[2]) * (s.centre[2] - other.centre[2]));
    const double r1 = s.radius, r2 = other.radius;
    if (d >= r1 + r2) return 0.0;
    if (d <= std::abs(r1 - r2)) return sphereVolume(std::min(r1, r2));
    const double gap = r1 + r2 - d;
    return pi * gap * gap * (d * d + 2.0 * d * (r1 + r2) - 3.0 * (r1 - r2) * (r1 - r2)) /
           (12.0 * d);
}

double volume(const Sphere& s, const Box& b) {
    const double r = s.radius;
    bool sphereInside = true;
    for (int i = 0; i < 3; ++i)
        sphereInside = sphereInside && s.centre[i] - r >= b.min[i] && s.centre[i] + r <= b.max[i];
    if (sphereInside) return sphereVolume(r);

    bool boxInside = true;
    for (int corner = 0; corner < 8 && boxInside; ++corner) {
        const Point3 p = {(corner & 1) ? b.max[0] : b.min[0], (corner & 2) ? b.max[1] : b.min[1],
                          (corner & 4) ? b.max[2] : b.min[2]};
        const double dx = p[0] - s.centre[0], dy = p[1] - s.centre[1], dz = p[2] - s.centre[2];
        boxInside = dx * dx + dy * dy + dz * dz <= r * r;
    }
    if (boxInside) return (b.max[0] - b.min[0]) * (b.max[1] - b.min[1]) * (b.max[2] - b.min[2]);

    std::vector<double> distances;
    for (double x : {b.min[0], b.max[0]}) {
        distances.push_back(std::abs(x - s.centre[0]));
        for (double y : {b.min[1], b.max[1]})
            distances.push_back(std::hypot(x - s.centre[0], y - s.centre[1]));
    }
    for (double y : {b.min[1], b.max[1]}) distances.push_back(std::abs(y - s.centre[1]));
    const double lo = std::max(s.centre[2] - r, b.min[2]);
    const double hi = std::min(s.centre[2] + r, b.max[2]);
    return integrateSlices(s, lo, hi, distances, [&](double z) {
        return discRectangleArea(s.centre[0], s.centre[1], sliceRadius(s, z), b);
    });
}

double volume(const Sphere& s, const Cylinder& c) {
    const double r = s.radius;
    const double d = std::hypot(s.centre[0] - c.baseCentre[0], s.centre[1] - c.baseCentre[1]);
    const double base = c.baseCentre[2], top = base + c.height;
    if (d + r <= c.radius && s.centre[2] - r >= base && s.centre[2] + r <= top)
        return sphereVolume(r);
    const double lo = std::max(s.centre[2] - r, base);
    const double hi = std::min(s.centre[2] + r, top);
    return integrateSlices(s, lo, hi, {std::abs(d - c.radius), d + c.radius},
                           [&](double z) { return discDiscArea(sliceRadius(s, z), c.radius, d); });
}

}  // namespace

bool meets(const Sphere& sphere, const Shape& solid) {
    if (!usable(sphere)) return false;
    return std::visit(
        [&](const auto& shape) {
            return usable(shape) && distanceTo(sphere.centre, shape) < sphere.radius;
        },
        solid);
}

double intersectionVolume(const Sphere& sphere, const Shape& solid) {
    if (!meets(sphere, solid)) return 0.0;
    return std::visit([&](const auto& shape) { return volume(sphere, shape); }, solid);
}

}  // namespace standin::geometry
