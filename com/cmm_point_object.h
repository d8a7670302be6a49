#pragma once

#include "cmm/api.h"
#include "com/member_call.h"

namespace com {

class CmmPointObject : public cmm::PointObject, public ComObject {
  public:
    using ComObject::ComObject;
    automation::Value coordinate(cmm::Axis axis) override {
        return valueCall<cmm::members::kReadCoordinate>(*this, axis);
    }
    void setCoordinate(cmm::Axis axis, double value) override {
        invoke<cmm::members::kWriteCoordinate>(*this, axis, value);
    }
};

}  // namespace com
