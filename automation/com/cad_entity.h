#pragma once

#include <memory>

#include "automation/com/com_object.h"
#include "automation/com/direct_call.h"
#include "automation/com/interface_ids.h"
#include "cad/api.h"

namespace automation::com {

// CheckInterference by name on the reference entity: the interference solid, or nothing.
Value checkInterference(const ComObject& entity, const std::shared_ptr<cad::Entity>& other,
                        bool createSolid);

// A drawing entity of the CAD application. Discard, MarkCode and Finish are direct members of
// the object and entity interfaces; the kinds (solid, circle, spline) derive from them, so they
// are called through the interface the entity was checked as.
template <class Kind>
class CadEntity : public Kind, public ComObject {
  public:
    using ComObject::ComObject;
    void discard() override {
        callDirect(face(ids::kCadObject, "Discard"), ids::kDiscardPosition, "Discard");
    }
    void setMarkCode(std::int32_t code) override {
        callDirect(face(ids::kCadEntity, "MarkCode"), ids::kMarkCodePosition, "MarkCode",
                   static_cast<LONG>(code));
    }
    void finish() override {
        callDirect(face(ids::kCadEntity, "Finish"), ids::kFinishPosition, "Finish");
    }
    Value checkInterference(const std::shared_ptr<cad::Entity>& other, bool createSolid) override {
        return com::checkInterference(*this, other, createSolid);
    }
};

}  // namespace automation::com
