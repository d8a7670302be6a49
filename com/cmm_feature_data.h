#pragma once

#include "com/cmm_point_object.h"

namespace com {

class CmmFeatureData : public cmm::FeatureData, public ComObject {
  public:
    using ComObject::ComObject;
    automation::Value pointCount() override { return valueCall<cmm::members::kPointCount>(*this); }
    automation::Value featurePoint(std::int32_t number, std::int32_t a, std::int32_t b,
                                   std::int32_t c, const std::string& text,
                                   std::int32_t d) override {
        return objectCall<CmmPointObject, cmm::members::kFeaturePoint>(*this, number, a, b, c, text,
                                                                       d);
    }
};

}  // namespace com
