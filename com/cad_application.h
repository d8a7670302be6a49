#pragma once

#include "com/cad_document.h"

namespace com {

class CadApplication : public cad::Application, public ComObject {
  public:
    using ComObject::ComObject;
    void setVisible(bool visible) override {
        dispatch().putByName("Visible", Variant::boolean(visible));
    }
    automation::Value activeDocument() override {
        return objectResult<CadDocument>(dispatch().getByName("ActiveDocument"), nullptr,
                                         "ActiveDocument", link());
    }
};

}  // namespace com
