#pragma once

#include "com/cmm_point_object.h"
#include "com/interface_ids.h"

namespace com {

class CmmFeatureData : public cmm::FeatureData, public ComObject {
  public:
    using ComObject::ComObject;
    automation::Value pointCount() override {
        return toValue(dispatch().get(2, "point count (member 2)"));
    }
    automation::Value featurePoint(std::int32_t number, std::int32_t a, std::int32_t b,
                                   std::int32_t c, const std::string& text,
                                   std::int32_t d) override {
        const std::string member = "feature point (member 65)";
        std::vector<Variant> args;
        args.push_back(Variant::int32(number));
        args.push_back(Variant::int32(a));
        args.push_back(Variant::int32(b));
        args.push_back(Variant::int32(c));
        args.push_back(Variant::text(text));
        args.push_back(Variant::int32(d));
        return objectResult<CmmPointObject>(dispatch().call(65, member, std::move(args)),
                                            &ids::kCmmPointObject, member, link());
    }
};

}  // namespace com
