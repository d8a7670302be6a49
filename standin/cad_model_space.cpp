#include "standin/cad_model_space.h"

#include <cmath>

#include "points/program_failure.h"
#include "standin/cad_entity.h"

namespace standin {
namespace {

bool finite(const points::Point3& p) {
    return std::isfinite(p[0]) && std::isfinite(p[1]) && std::isfinite(p[2]);
}

// A CAD application draws nothing of zero or negative size and no point it cannot place.
void checkMarker(const points::Point3& centre, double radius, const char* what) {
    if (!finite(centre))
        throw points::ProgramFailure(std::string("the CAD application refused a ") + what +
                                     " whose centre is not three numbers");
    if (!std::isfinite(radius) || radius <= 0.0)
        throw points::ProgramFailure(std::string("the CAD application refused a ") + what +
                                     " of radius " + std::to_string(radius));
}

}  // namespace

cad::Value CadModelSpace::addSphere(const points::Point3& centre, double radius) {
    if (auto answer = enter(*state_, cad::members::kAddSphere)) return *answer;
    checkMarker(centre, radius, "sphere");
    DrawnEntity sphere;
    sphere.kind = EntityKind::Sphere;
    sphere.centre = centre;
    sphere.radius = radius;
    sphere.shape = geometry::Sphere{centre, radius};
    return add(std::move(sphere));
}

cad::Value CadModelSpace::addCircle(const points::Point3& centre, double radius) {
    if (auto answer = enter(*state_, cad::members::kAddCircle)) return *answer;
    checkMarker(centre, radius, "circle");
    DrawnEntity circle;
    circle.kind = EntityKind::Circle;
    circle.centre = centre;
    circle.radius = radius;
    return add(std::move(circle));
}

cad::Value CadModelSpace::addSpline(const std::vector<double>& points, const points::Point3& start,
                                    const points::Point3& end) {
    if (auto answer = enter(*state_, cad::members::kAddSpline)) return *answer;
    if (points.size() < 6 || points.size() % 3 != 0)
        throw points::ProgramFailure("the CAD application refused a spline point array of " +
                                     std::to_string(points.size()) + " values");
    for (double v : points)
        if (!std::isfinite(v))
            throw points::ProgramFailure(
                "the CAD application refused a spline point that is not a number");
    if (!finite(start) || !finite(end))
        throw points::ProgramFailure(
            "the CAD application refused a spline start or end that is not a number");
    DrawnEntity spline;
    spline.kind = EntityKind::Spline;
    spline.splinePoints = points;
    spline.splineStart = start;
    spline.splineEnd = end;
    return add(std::move(spline));
}

cad::Value CadModelSpace::add(DrawnEntity entity) {
    EntityPtr added = state_->drawing.add(std::move(entity));
    state_->drawing.notifyChanged();
    return entityObject(state_, added);
}

}  // namespace standin
