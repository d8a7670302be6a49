#pragma once

#include "com/cad_document.h"

namespace com {

class CadApplication : public cad::Application, public ComObject {
  public:
    using ComObject::ComObject;
    void setVisible(bool visible) override { invoke<cad::members::kVisible>(*this, visible); }
    automation::Value activeDocument() override {
        return objectCall<CadDocument, cad::members::kActiveDocument>(*this);
    }
};

}  // namespace com
