#include "standin/cad_solid.h"

#include <numbers>
#include <variant>

#include "points/program_failure.h"

namespace standin {
namespace {

double ownVolume(const geometry::Shape& shape) {
    struct Volume {
        double operator()(const geometry::Sphere& s) const {
            return 4.0 / 3.0 * std::numbers::pi * s.radius * s.radius * s.radius;
        }
        double operator()(const geometry::Box& b) const {
            return (b.max[0] - b.min[0]) * (b.max[1] - b.min[1]) * (b.max[2] - b.min[2]);
        }
        double operator()(const geometry::Cylinder& c) const {
            return std::numbers::pi * c.radius * c.radius * c.height;
        }
    };
    return std::visit(Volume{}, shape);
}

}  // namespace

cad::Value CadSolid::measure() {
    if (auto answer = enter(*state(), cad::members::kMeasure)) return *answer;
    const DrawnEntity& solid = live();
    if (solid.kind == EntityKind::InterferenceSolid) return solid.volume;
    if (!solid.shape) throw points::ProgramFailure("the solid has no volume to measure");
    return ownVolume(*solid.shape);
}

}  // namespace standin
