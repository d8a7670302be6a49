#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "standin/geometry.h"

namespace standin {

enum class EntityKind { Sphere, Circle, Spline, Solid, InterferenceSolid };

// One entity of the stand-in's drawing, as the program left it.
struct DrawnEntity {
    EntityKind kind = EntityKind::Sphere;
    points::Point3 centre{};                    // sphere, circle
    double radius = 0.0;                        // sphere, circle
    std::vector<double> splinePoints;           // spline: three doubles a point
    points::Point3 splineStart{}, splineEnd{};  // spline
    std::optional<geometry::Shape> shape;       // spheres and solids: their geometry
    double volume = 0.0;                        // interference solid
    std::optional<std::int32_t> markCode;
    bool finished = false;
    bool discarded = false;
};
using EntityPtr = std::shared_ptr<DrawnEntity>;

// The active drawing: its model space in the order entities were added (discarded ones stay,
// flagged) and its named groups. Observers hear of every change.
class Drawing {
  public:
    const std::vector<EntityPtr>& entities() const { return entities_; }
    // Entities of one kind that are not discarded, in order.
    std::vector<EntityPtr> entitiesOf(EntityKind kind) const;
    EntityPtr add(DrawnEntity entity);
    // Erases what was added to the drawing, as erasing does in a CAD application: the solids of
    // the drawing itself stay, and so do its groups.
    void clearAdded();
    void defineGroup(const std::string& name, std::vector<EntityPtr> members);
    // Group names compare without regard to case, as the CAD application's do.
    const std::vector<EntityPtr>* group(const std::string& name) const;

    void observe(std::function<void()> observer);
    void notifyChanged() const;

  private:
    std::vector<EntityPtr> entities_;
    std::map<std::string, std::vector<EntityPtr>> groups_;
    std::vector<std::function<void()>> observers_;
};

}  // namespace standin
