#pragma once

#include "automation/com/com_object.h"
#include "cad/api.h"

namespace automation::com {

// Centres and spline arrays go as SAFEARRAYs of doubles by reference.
class CadModelSpace : public cad::ModelSpace, public ComObject {
  public:
    using ComObject::ComObject;
    Value addSphere(const cad::Point3& centre, double radius) override;
    Value addCircle(const cad::Point3& centre, double radius) override;
    Value addSpline(const std::vector<double>& points, const cad::Point3& start,
                    const cad::Point3& end) override;
};

}  // namespace automation::com
