#pragma once

#include <memory>
#include <vector>

#include "standin/cad.h"

namespace standin {

class CadModelSpace : public cad::ModelSpace {
  public:
    explicit CadModelSpace(CadStatePtr state) : state_(std::move(state)) {}
    cad::Value addSphere(const points::Point3& centre, double radius) override;
    cad::Value addCircle(const points::Point3& centre, double radius) override;
    cad::Value addSpline(const std::vector<double>& points, const points::Point3& start,
                         const points::Point3& end) override;

  private:
    cad::Value add(DrawnEntity entity);
    CadStatePtr state_;
};

}  // namespace standin
