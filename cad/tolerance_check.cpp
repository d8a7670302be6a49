#include "cad/tolerance_check.h"

#include <cmath>

#include "points/number_text.h"

namespace cad {

namespace {
constexpr std::int32_t kClear = 1;
constexpr std::int32_t kMeets = 3;
}  // namespace

ToleranceCheck::ToleranceCheck(view::FormView& form, Document& document)
    : form_(form), document_(document) {
    auto groups = automation::toObject<Groups>(document_.groups());
    auto part = automation::toObject<Group>(groups->item("PART"));
    reference_ = automation::toObject<Entity>(part->entityAt(0));
}

void ToleranceCheck::checkPoint(const Point3& centre, double probeRadius) {
    const double tolerance = points::parseNumber(form_.text(view::TextBox::Text3), form_.locale());

    auto outer = addSphere(centre, probeRadius + tolerance);
    const Value outerAnswer = reference_->checkInterference(outer, true);
    const bool hit = !automation::isNothing(outerAnswer);
    if (hit) {
        // Measured, then the sphere marked, then the solid discarded: a refused call leaves the
        // drawing as far as it got in this order.
        auto solid = automation::toObject<Solid>(outerAnswer);
        // The volume itself is not used, but a solid that cannot answer it fails the check.
        automation::toDouble(solid->measure(), form_.locale());
        outer->setMarkCode(kMeets);
        solid->discard();
    } else {
        outer->setMarkCode(kClear);
    }

    // Each marker's code is its own point's outcome: the outer hit when there was one, otherwise
    // what the inner sphere found.
    std::int32_t code = kMeets;
    if (!hit) {
        auto inner = addSphere(centre, probeRadius - tolerance);
        const Value innerAnswer = reference_->checkInterference(inner, true);
        if (!automation::isNothing(innerAnswer)) {
            automation::toObject<Solid>(innerAnswer)->discard();
        } else {
            code = kClear;
        }
    }

    auto marker = addSphere(centre, probeRadius);
    marker->setMarkCode(code);
    marker->finish();
}

std::shared_ptr<Solid> ToleranceCheck::addSphere(const Point3& centre, double radius) {
    if (!std::isfinite(radius)) throw points::ProgramFailure("arithmetic overflow");
    auto modelSpace = automation::toObject<ModelSpace>(document_.modelSpace());
    return automation::toObject<Solid>(modelSpace->addSphere(centre, radius));
}

}  // namespace cad
