#pragma once

#include "cad/api.h"
#include "com/cad_solid.h"
#include "com/com_object.h"
#include "com/result.h"
#include "com/safe_array.h"

namespace com {

// Centres and spline arrays go as SAFEARRAYs of doubles by reference.
class CadModelSpace : public cad::ModelSpace, public ComObject {
  public:
    using ComObject::ComObject;
    automation::Value addSphere(const cad::Point3& centre, double radius) override {
        SafeArray array = arrayOf(centre);
        std::vector<Variant> args;
        args.push_back(Variant::doubleArrayRef(array.address()));
        args.push_back(Variant::real(radius));
        return objectResult<CadSolid>(dispatch().call(cad_members::kAddSphere, std::move(args)),
                                      &cad_members::kSolidInterface,
                                      labelOf(cad_members::kAddSphere), link());
    }

    automation::Value addCircle(const cad::Point3& centre, double radius) override {
        SafeArray array = arrayOf(centre);
        std::vector<Variant> args;
        args.push_back(Variant::doubleArrayRef(array.address()));
        args.push_back(Variant::real(radius));
        return objectResult<CadEntity<cad::Circle>>(
            dispatch().call(cad_members::kAddCircle, std::move(args)),
            &cad_members::kCircleInterface, labelOf(cad_members::kAddCircle), link());
    }

    automation::Value addSpline(const std::vector<double>& points, const cad::Point3& start,
                                const cad::Point3& end) override {
        // An array never allocated goes as a reference to no array at all, as VB passes it.
        SafeArray pointArray = points.empty() ? SafeArray() : SafeArray(points);
        SafeArray startArray = arrayOf(start);
        SafeArray endArray = arrayOf(end);
        std::vector<Variant> args;
        args.push_back(Variant::doubleArrayRef(pointArray.address()));
        args.push_back(Variant::doubleArrayRef(startArray.address()));
        args.push_back(Variant::doubleArrayRef(endArray.address()));
        return objectResult<CadEntity<cad::Spline>>(
            dispatch().call(cad_members::kAddSpline, std::move(args)),
            &cad_members::kSplineInterface, labelOf(cad_members::kAddSpline), link());
    }

  private:
    static SafeArray arrayOf(const cad::Point3& point) {
        return SafeArray({point[0], point[1], point[2]});
    }
};

}  // namespace com
