#pragma once

#include <memory>

#include "standin/cmm.h"

namespace standin {

class CmmPoint : public cmm::PointObject {
  public:
    CmmPoint(CmmStatePtr state, points::Point3 point);
    cmm::Value coordinate(cmm::Axis axis) override;
    void setCoordinate(cmm::Axis axis, double value) override;

  private:
    CmmStatePtr state_;
    points::Point3 point_;
};

}  // namespace standin
