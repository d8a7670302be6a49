#pragma once

#include "com/cmm_feature_data.h"

namespace com {

class CmmCommand : public cmm::Command, public ComObject {
  public:
    using ComObject::ComObject;
    automation::Value id() override { return toValue(dispatch().getByName("ID")); }
    automation::Value value() override {
        return toValue(dispatch().get(DISPID_VALUE, "command value (member 0)"));
    }
    automation::Value featureData() override {
        const std::string member = "feature data (member 9)";
        return objectResult<CmmFeatureData>(dispatch().get(9, member), &ids::kCmmFeatureData,
                                            member, link());
    }
};

}  // namespace com
