#include "cad/send_to_cad.h"

#include <optional>

#include "cad/tolerance_check.h"
#include "points/number_text.h"
#include "view/reports.h"

namespace cad {

namespace {

using automation::toObject;
using view::OptionButton;

constexpr double kSmallestProbeRadius = 0.001;

std::shared_ptr<ModelSpace> modelSpace(Document& document) {
    return toObject<ModelSpace>(document.modelSpace());
}

}  // namespace

void sendToCad(view::FormView& form, Link& link, const points::PointList& lines,
               const points::SplineArrays& spline, double& probeRadius) {
    view::endOnFailure(
        form, view::StatusReport{"Can't Link to AutoCAD"}, [&](view::ReportInForce& report) {
            const auto locale = form.locale();
            Document& document = link.renew();

            std::optional<ToleranceCheck> check;
            if (form.optionValue(OptionButton::Option5)) {
                report.switchTo(view::MessageReport{"Need Defined Group 'Part' for Check"});
                check.emplace(form, document);
            }

            const std::int16_t count = lines.count();
            for (std::int16_t i = 0; i < count; ++i) {
                const Point3 centre = points::parsePointLine(lines.lineAt(i), locale);
                probeRadius = points::parseNumber(form.text(view::TextBox::Text1), locale) / 2;
                const double radius = probeRadius;
                if (radius < kSmallestProbeRadius) form.showMessage("Bad probe_radius");

                if (form.optionValue(OptionButton::Option2)) {
                    toObject<Solid>(modelSpace(document)->addSphere(centre, radius))->finish();
                }
                if (form.optionValue(OptionButton::Option1)) {
                    link.keepLastCircle(
                        toObject<Circle>(modelSpace(document)->addCircle(centre, radius)));
                    link.lastCircle()->finish();
                }
                if (form.optionValue(OptionButton::Option5) && check)
                    check->checkPoint(centre, radius);
            }

            if (form.checkValue(view::CheckBox::Check4) == 1) {
                auto added =
                    modelSpace(document)->addSpline(spline.points, spline.start, spline.end);
                toObject<Spline>(added)->finish();
            }
        });
}

}  // namespace cad
