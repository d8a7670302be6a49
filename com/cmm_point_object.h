#pragma once

#include "cmm/api.h"
#include "com/cmm_members.h"
#include "com/com_object.h"
#include "com/result.h"

namespace com {

class CmmPointObject : public cmm::PointObject, public ComObject {
  public:
    using ComObject::ComObject;
    automation::Value coordinate(cmm::Axis axis) override {
        return toValue(dispatch().get(cmm_members::coordinate(axis)));
    }
    void setCoordinate(cmm::Axis axis, double value) override {
        dispatch().put(cmm_members::coordinate(axis), Variant::real(value));
    }
};

}  // namespace com
