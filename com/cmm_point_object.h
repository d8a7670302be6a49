#pragma once

#include "cmm/api.h"
#include "com/com_object.h"
#include "com/result.h"

namespace com {

class CmmPointObject : public cmm::PointObject, public ComObject {
  public:
    using ComObject::ComObject;
    automation::Value coordinate(cmm::Axis axis) override {
        const DISPID id = static_cast<DISPID>(axis);
        return toValue(dispatch().get(id, "point coordinate (member " + std::to_string(id) + ")"));
    }
    void setCoordinate(cmm::Axis axis, double value) override {
        const DISPID id = static_cast<DISPID>(axis);
        dispatch().put(id, "point coordinate (member " + std::to_string(id) + ")",
                       Variant::real(value));
    }
};

}  // namespace com
