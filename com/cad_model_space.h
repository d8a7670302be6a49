#pragma once

#include "cad/api.h"
#include "com/cad_entity.h"

namespace com {

class CadModelSpace : public cad::ModelSpace, public ComObject {
  public:
    using ComObject::ComObject;
    automation::Value addSphere(const cad::Point3& centre, double radius) override {
        return objectCall<CadSolid, cad::members::kAddSphere>(*this, centre, radius);
    }
    automation::Value addCircle(const cad::Point3& centre, double radius) override {
        return objectCall<CadEntity<cad::Circle>, cad::members::kAddCircle>(*this, centre, radius);
    }
    automation::Value addSpline(const std::vector<double>& points, const cad::Point3& start,
                                const cad::Point3& end) override {
        return objectCall<CadEntity<cad::Spline>, cad::members::kAddSpline>(*this, points, start,
                                                                            end);
    }
};

}  // namespace com
