#pragma once

#include "com/cmm_feature_data.h"

namespace com {

class CmmCommand : public cmm::Command, public ComObject {
  public:
    using ComObject::ComObject;
    automation::Value id() override { return toValue(dispatch().get(cmm_members::kId)); }
    automation::Value value() override {
        return toValue(dispatch().get(cmm_members::kCommandValue));
    }
    automation::Value featureData() override {
        return objectResult<CmmFeatureData>(dispatch().get(cmm_members::kFeatureData),
                                            &cmm_members::kFeatureDataInterface,
                                            labelOf(cmm_members::kFeatureData), link());
    }
};

}  // namespace com
