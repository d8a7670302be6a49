#include "standin/cad_entity.h"

#include <cmath>

#include "points/program_failure.h"
#include "standin/cad_solid.h"

namespace standin {
namespace {

bool isSolid(EntityKind kind) {
    return kind == EntityKind::Sphere || kind == EntityKind::Solid ||
           kind == EntityKind::InterferenceSolid;
}

}  // namespace

DrawnEntity& CadDrawingObject::live() const {
    if (entity_->discarded)
        throw points::ProgramFailure("the entity has been erased from the drawing");
    return *entity_;
}

void CadDrawingObject::discardEntity() {
    enter(*state_, cad::members::kDiscard);
    live().discarded = true;
    state_->drawing.notifyChanged();
}

void CadDrawingObject::setMarkCodeOfEntity(std::int32_t code) {
    enter(*state_, cad::members::kMarkCode);
    live().markCode = code;
    state_->drawing.notifyChanged();
}

void CadDrawingObject::finishEntity() {
    enter(*state_, cad::members::kFinish);
    live().finished = true;
    state_->drawing.notifyChanged();
}

cad::Value CadDrawingObject::checkInterferenceOfEntity(const std::shared_ptr<cad::Entity>& other,
                                                       bool createSolid) {
    if (auto answer = enter(*state_, cad::members::kCheckInterference)) return *answer;
    const DrawnEntity& self = live();
    if (!isSolid(self.kind) || !self.shape)
        throw points::ProgramFailure("interference is checked on a solid only");
    const auto* handle = dynamic_cast<const CadDrawingObject*>(other.get());
    if (!handle || handle->state() != state_)
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
    return std::make_shared<CadSolid>(state_, added);
}

cad::Value entityObject(const CadStatePtr& state, const EntityPtr& entity) {
    switch (entity->kind) {
        case EntityKind::Circle:
            return std::make_shared<CadCircle>(state, entity);
        case EntityKind::Spline:
            return std::make_shared<CadSpline>(state, entity);
        case EntityKind::Sphere:
        case EntityKind::Solid:
        case EntityKind::InterferenceSolid:
            return std::make_shared<CadSolid>(state, entity);
    }
    throw points::ProgramFailure("the drawing holds an entity of no kind it knows");
}

}  // namespace standin
