#pragma once

#include "cad/api.h"
#include "com/com_object.h"

namespace com {

// Centres and spline arrays go as SAFEARRAYs of doubles by reference.
class CadModelSpace : public cad::ModelSpace, public ComObject {
  public:
    using ComObject::ComObject;
    automation::Value addSphere(const cad::Point3& centre, double radius) override;
    automation::Value addCircle(const cad::Point3& centre, double radius) override;
    automation::Value addSpline(const std::vector<double>& points, const cad::Point3& start,
                                const cad::Point3& end) override;
};

}  // namespace com
