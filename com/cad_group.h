#pragma once

#include "com/cad_entity.h"
#include "com/result.h"

namespace com {

class CadGroup : public cad::Group, public ComObject {
  public:
    using ComObject::ComObject;
    // The index goes as an automation value holding the 16-bit integer, as the member declares.
    automation::Value entityAt(std::int16_t index) override {
        Variant position = Variant::int16(index);
        ComPtr<IDispatch> entity;
        callDirect(*this, cad_members::kEntityAt, position.get(), entity.receive());
        return objectResult<CadEntity<cad::Entity>>(Variant::dispatch(entity.get()),
                                                    &cad_members::kEntityInterface,
                                                    labelOf(cad_members::kEntityAt), link());
    }
};

}  // namespace com
