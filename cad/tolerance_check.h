#pragma once

#include <memory>

#include "cad/api.h"
#include "view/form_view.h"

namespace cad {

// Checks points against the first entity of the drawing's group "PART" with tolerance spheres:
// an outer sphere of probe radius + tolerance, an inner one of probe radius - tolerance when the
// outer one is clear, and a final marker sphere of the probe radius whose code tells the outcome
// (1 clear of the part, 3 meeting it).
class ToleranceCheck {
  public:
    // Looks up the group and its reference entity; throws when either is missing.
    ToleranceCheck(view::FormView& form, Document& document);

    void checkPoint(const Point3& centre, double probeRadius);

  private:
    std::shared_ptr<Solid> addSphere(const Point3& centre, double radius);

    view::FormView& form_;
    Document& document_;
    std::shared_ptr<Entity> reference_;
};

}  // namespace cad
