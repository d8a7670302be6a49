#pragma once

#include "com/cmm_point_object.h"

namespace com {

class CmmFeatureData : public cmm::FeatureData, public ComObject {
  public:
    using ComObject::ComObject;
    automation::Value pointCount() override {
        return toValue(dispatch().get(cmm_members::kPointCount));
    }
    automation::Value featurePoint(std::int32_t number, std::int32_t a, std::int32_t b,
                                   std::int32_t c, const std::string& text,
                                   std::int32_t d) override {
        std::vector<Variant> args;
        args.push_back(Variant::int32(number));
        args.push_back(Variant::int32(a));
        args.push_back(Variant::int32(b));
        args.push_back(Variant::int32(c));
        args.push_back(Variant::text(text));
        args.push_back(Variant::int32(d));
        return objectResult<CmmPointObject>(
            dispatch().call(cmm_members::kFeaturePoint, std::move(args)),
            &cmm_members::kPointObjectInterface, labelOf(cmm_members::kFeaturePoint), link());
    }
};

}  // namespace com
