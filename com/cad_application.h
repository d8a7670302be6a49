#pragma once

#include "com/cad_document.h"

namespace com {

class CadApplication : public cad::Application, public ComObject {
  public:
    using ComObject::ComObject;
    void setVisible(bool visible) override {
        dispatch().put(cad_members::kVisible, Variant::boolean(visible));
    }
    automation::Value activeDocument() override {
        return objectResult<CadDocument>(dispatch().get(cad_members::kActiveDocument), nullptr,
                                         labelOf(cad_members::kActiveDocument), link());
    }
};

}  // namespace com
