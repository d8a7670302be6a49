#pragma once

#include "com/cmm_feature_data.h"

namespace com {

class CmmCommand : public cmm::Command, public ComObject {
  public:
    using ComObject::ComObject;
    automation::Value id() override { return valueCall<cmm::members::kId>(*this); }
    automation::Value value() override { return valueCall<cmm::members::kCommandValue>(*this); }
    automation::Value featureData() override {
        return objectCall<CmmFeatureData, cmm::members::kFeatureData>(*this);
    }
};

}  // namespace com
