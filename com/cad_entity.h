#pragma once

#include <memory>

#include "cad/api.h"
#include "com/member_call.h"

namespace com {

class CadSolid;

// A drawing entity of the CAD application. Discard, MarkCode and Finish are direct members of
// the object and entity interfaces; the kinds (solid, circle, spline) derive from them, so they
// are called through the interface the entity was checked as.
template <class Kind>
class CadEntity : public Kind, public ComObject {
  public:
    using ComObject::ComObject;
    void discard() override { invoke<cad::members::kDiscard>(*this); }
    void setMarkCode(std::int32_t code) override { invoke<cad::members::kMarkCode>(*this, code); }
    void finish() override { invoke<cad::members::kFinish>(*this); }
    automation::Value checkInterference(const std::shared_ptr<cad::Entity>& other,
                                        bool createSolid) override {
        return objectCall<CadSolid, cad::members::kCheckInterference>(*this, other, createSolid);
    }
};

// A solid answers Measure as well; kept beside the entity, whose CheckInterference answers one.
class CadSolid : public CadEntity<cad::Solid> {
  public:
    using CadEntity::CadEntity;
    automation::Value measure() override { return valueCall<cad::members::kMeasure>(*this); }
};

}  // namespace com
