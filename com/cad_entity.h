#pragma once

#include <memory>

#include "cad/api.h"
#include "com/cad_members.h"
#include "com/com_object.h"
#include "com/direct_call.h"

namespace com {

// CheckInterference by name on the reference entity: the interference solid, or nothing.
automation::Value checkInterference(const ComObject& entity,
                                    const std::shared_ptr<cad::Entity>& other, bool createSolid);

// A drawing entity of the CAD application. Discard, MarkCode and Finish are direct members of
// the object and entity interfaces; the kinds (solid, circle, spline) derive from them, so they
// are called through the interface the entity was checked as.
template <class Kind>
class CadEntity : public Kind, public ComObject {
  public:
    using ComObject::ComObject;
    void discard() override { callDirect(*this, cad_members::kDiscard); }
    void setMarkCode(std::int32_t code) override {
        callDirect(*this, cad_members::kMarkCode, static_cast<LONG>(code));
    }
    void finish() override { callDirect(*this, cad_members::kFinish); }
    automation::Value checkInterference(const std::shared_ptr<cad::Entity>& other,
                                        bool createSolid) override {
        return com::checkInterference(*this, other, createSolid);
    }
};

}  // namespace com
