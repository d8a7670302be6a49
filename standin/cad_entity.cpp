#include <cmath>
#include <numbers>

#include "points/program_failure.h"
#include "standin/cad_proxies.h"

namespace standin::cad_proxy {
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

bool isSolid(EntityKind kind) {
    return kind == EntityKind::Sphere || kind == EntityKind::Solid ||
           kind == EntityKind::InterferenceSolid;
}

}  // namespace

DrawnEntity& EntityHandle::live() const {
    if (entity_->discarded)
        throw points::ProgramFailure("the entity has been erased from the drawing");
    return *entity_;
}

void EntityHandle::discardEntity() {
    enter(*state_, CadOperation::Discard);
    live().discarded = true;
    state_->drawing.notifyChanged();
}

void EntityHandle::setMarkCodeOfEntity(std::int32_t code) {
    enter(*state_, CadOperation::MarkCode);
    live().markCode = code;
    state_->drawing.notifyChanged();
}

void EntityHandle::finishEntity() {
    enter(*state_, CadOperation::Finish);
    live().finished = true;
    state_->drawing.notifyChanged();
}

cad::Value EntityHandle::checkInterferenceOfEntity(const std::shared_ptr<cad::Entity>& other,
                                                   bool createSolid) {
    if (auto answer = enter(*state_, CadOperation::CheckInterference)) return *answer;
    const DrawnEntity& self = live();
    if (!isSolid(self.kind) || !self.shape)
        throw points::ProgramFailure("interference is checked on a solid only");
    const auto* handle = dynamic_cast<const EntityHandle*>(other.get());
    if (!handle || handle->state_ != state_)
        throw points::ProgramFailure(
            "interference is checked against an entity of this drawing only");
    const DrawnEntity& sphereEntity = handle->live();
    const auto* sphere =
        sphereEntity.shape ? std::get_if<geometry::Sphere>(&*sphereEntity.shape) : nullptr;
    if (sphereEntity.kind != EntityKind::Sphere || !sphere)
        throw points::ProgramFailure("interference is checked against a sphere only");

    // Without a solid asked for there is nothing to hand back, whatever the outcome.
    if (!createSolid || !geometry::meets(*sphere, *self.shape)) return {};
    DrawnEntity common;
    common.kind = EntityKind::InterferenceSolid;
    common.centre = sphere->centre;
    common.volume = geometry::intersectionVolume(*sphere, *self.shape);
    EntityPtr added = state_->drawing.add(std::move(common));
    state_->drawing.notifyChanged();
    return std::make_shared<SolidProxy>(state_, added);
}

cad::Value SolidProxy::measure() {
    if (auto answer = enter(*state(), CadOperation::Measure)) return *answer;
    const DrawnEntity& solid = live();
    if (solid.kind == EntityKind::InterferenceSolid) return solid.volume;
    if (!solid.shape) throw points::ProgramFailure("the solid has no volume to measure");
    return ownVolume(*solid.shape);
}

cad::Value entityProxy(const State& state, const EntityPtr& entity) {
    switch (entity->kind) {
        case EntityKind::Circle:
            return std::make_shared<CircleProxy>(state, entity);
        case EntityKind::Spline:
            return std::make_shared<SplineProxy>(state, entity);
        default:
            return std::make_shared<SolidProxy>(state, entity);
    }
}

}  // namespace standin::cad_proxy
