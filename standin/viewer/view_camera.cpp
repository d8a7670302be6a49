#include "standin/viewer/view_camera.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace standin::viewer {
namespace {

using standin::DrawnEntity;
using standin::EntityKind;
namespace geometry = standin::geometry;

// Wide enough for a drawing spanning the whole range of doubles in a small window, narrow
// enough that the arithmetic never leaves the normal doubles.
constexpr double minScale = 1e-306, maxScale = 1e12;
constexpr double fitMargin = 0.9;
constexpr double degrees = 3.14159265358979323846 / 180.0;

double dot(const Vec3& a, const Vec3& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

// Half the span from a to b, without overflowing for the largest doubles.
double halfSpan(double a, double b) { return b / 2 - a / 2; }
double middle(double a, double b) { return a / 2 + b / 2; }

}  // namespace

void Extent::take(const Vec3& centre, double radius) {
    if (!std::isfinite(centre[0]) || !std::isfinite(centre[1]) || !std::isfinite(centre[2])) return;
    if (!std::isfinite(radius) || radius < 0) radius = 0;
    for (int i = 0; i < 3; ++i) {
        // Near the largest doubles the radius may not fit on top of the centre.
        const double low = centre[i] - radius, high = centre[i] + radius;
        min[i] = std::min(min[i], std::isfinite(low) ? low : centre[i]);
        max[i] = std::max(max[i], std::isfinite(high) ? high : centre[i]);
    }
}

void Extent::merge(const Extent& other) {
    if (other.empty()) return;
    take(other.min);
    take(other.max);
}

Extent extentOf(const geometry::Shape& shape) {
    Extent extent;
    if (const auto* s = std::get_if<geometry::Sphere>(&shape)) {
        extent.take(s->centre, s->radius);
    } else if (const auto* b = std::get_if<geometry::Box>(&shape)) {
        extent.take(b->min);
        extent.take(b->max);
    } else if (const auto* c = std::get_if<geometry::Cylinder>(&shape)) {
        const Vec3& base = c->baseCentre;
        extent.take(base, c->radius);
        extent.take({base[0], base[1], base[2] + c->height}, c->radius);
    }
    return extent;
}

Extent extentOf(const standin::Drawing& drawing) {
    Extent extent;
    for (const auto& entity : drawing.entities()) {
        const DrawnEntity& e = *entity;
        if (e.discarded) continue;
        switch (e.kind) {
            case EntityKind::Solid:
                if (e.shape) extent.merge(extentOf(*e.shape));
                break;
            case EntityKind::Sphere:
            case EntityKind::Circle:
                extent.take(e.centre, e.radius);
                break;
            case EntityKind::Spline:
                for (std::size_t i = 0; i + 2 < e.splinePoints.size(); i += 3)
                    extent.take({e.splinePoints[i], e.splinePoints[i + 1], e.splinePoints[i + 2]});
                break;
            case EntityKind::InterferenceSolid:
                break;
        }
    }
    return extent;
}

ViewCamera::ViewCamera() { setView(View::Top); }

void ViewCamera::setView(View view) {
    switch (view) {
        case View::Top:
            setAngles(0, 90);
            break;
        case View::Front:
            setAngles(0, 0);
            break;
        case View::Side:
            setAngles(90, 0);
            break;
        case View::Isometric:
            // Looking down the diagonal from the front right, as CAD programs' south-east view.
            setAngles(45, std::atan(1 / std::sqrt(2.0)) / degrees);
            break;
    }
}

void ViewCamera::orbit(double azimuthDegrees, double elevationDegrees) {
    setAngles(azimuth_ + azimuthDegrees, elevation_ + elevationDegrees);
}

void ViewCamera::setAngles(double azimuth, double elevation) {
    azimuth_ = std::remainder(azimuth, 360.0);
    elevation_ = std::clamp(elevation, -90.0, 90.0);
    const double a = azimuth_ * degrees, e = elevation_ * degrees;
    right_ = {std::cos(a), std::sin(a), 0};
    toward_ = {std::cos(e) * std::sin(a), -std::cos(e) * std::cos(a), std::sin(e)};
    // up = toward x right
    up_ = {toward_[1] * right_[2] - toward_[2] * right_[1],
           toward_[2] * right_[0] - toward_[0] * right_[2],
           toward_[0] * right_[1] - toward_[1] * right_[0]};
}

void ViewCamera::fit(const Extent& extent) {
    if (extent.empty()) {
        centre_ = {0, 0, 0};
        scale_ = 1.0;
        return;
    }
    Vec3 half{};
    double largest = 0;
    for (int i = 0; i < 3; ++i) {
        centre_[i] = middle(extent.min[i], extent.max[i]);
        half[i] = halfSpan(extent.min[i], extent.max[i]);
        largest = std::max(largest, half[i]);
    }
    // A lone point still gets some room around it, in proportion to how far out it lies.
    const double magnitude =
        std::max({std::abs(centre_[0]), std::abs(centre_[1]), std::abs(centre_[2])});
    const double least = std::max(1.0, magnitude * 1e-12);
    if (!(largest >= least)) {
        largest = least;
        half = {least, least, least};
    }
    // Half the extent's width and height on the screen, in units of its largest half span so
    // that nothing overflows.
    double across = 0, upward = 0;
    for (int i = 0; i < 3; ++i) {
        across += std::abs(right_[i]) * (half[i] / largest);
        upward += std::abs(up_[i]) * (half[i] / largest);
    }
    const double w = std::max(viewport_.width(), 1) / 2.0;
    const double h = std::max(viewport_.height(), 1) / 2.0;
    const double fill = std::min(w / std::max(across, 1e-9), h / std::max(upward, 1e-9));
    scale_ = std::clamp(fitMargin * fill / largest, minScale, maxScale);
}

void ViewCamera::moveCentre(double rightPixels, double upPixels) {
    for (int i = 0; i < 3; ++i) {
        const double moved = centre_[i] + (right_[i] * rightPixels + up_[i] * upPixels) / scale_;
        if (std::isfinite(moved)) centre_[i] = moved;
    }
}

void ViewCamera::zoomAbout(QPointF cursor, double factor) {
    const double dx = cursor.x() - viewport_.width() / 2.0;
    const double dy = viewport_.height() / 2.0 - cursor.y();
    const double before = scale_;
    scale_ = std::clamp(scale_ * factor, minScale, maxScale);
    // The centre moves towards the cursor by (1/before - 1/after) of its offset in pixels.
    const double shift = scale_ / before - 1;
    moveCentre(dx * shift, dy * shift);
}

void ViewCamera::pan(QPointF pixels) { moveCentre(-pixels.x(), pixels.y()); }

Projected ViewCamera::project(const Vec3& point) const {
    // Differences first, then the scale: both stay finite wherever the view is centred sensibly.
    const Vec3 d{(point[0] - centre_[0]) * scale_, (point[1] - centre_[1]) * scale_,
                 (point[2] - centre_[2]) * scale_};
    return {viewport_.width() / 2.0 + dot(d, right_), viewport_.height() / 2.0 - dot(d, up_),
            dot(d, toward_)};
}

Vec3 ViewCamera::pointAt(QPointF pixel) const {
    const double dx = (pixel.x() - viewport_.width() / 2.0) / scale_;
    const double dy = (viewport_.height() / 2.0 - pixel.y()) / scale_;
    return {centre_[0] + right_[0] * dx + up_[0] * dy, centre_[1] + right_[1] * dx + up_[1] * dy,
            centre_[2] + right_[2] * dx + up_[2] * dy};
}

}  // namespace standin::viewer
