#pragma once

#include "automation/com/cmm_feature_data.h"

namespace automation::com {

class CmmCommand : public cmm::Command, public ComObject {
  public:
    using ComObject::ComObject;
    Value id() override { return toValue(dispatch().getByName("ID")); }
    Value value() override {
        return toValue(dispatch().get(DISPID_VALUE, "command value (member 0)"));
    }
    Value featureData() override {
        const std::string member = "feature data (member 9)";
        return objectResult<CmmFeatureData>(dispatch().get(9, member), &ids::kCmmFeatureData,
                                            member, link());
    }
};

}  // namespace automation::com
