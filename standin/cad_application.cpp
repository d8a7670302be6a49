#include "standin/cad_application.h"

#include "standin/cad_document.h"

namespace standin {

void CadApplication::setVisible(bool visible) {
    enter(*state_, cad::members::kVisible);
    state_->visible = visible;
    if (visible && state_->onShown) state_->onShown();
}

cad::Value CadApplication::activeDocument() {
    if (auto answer = enter(*state_, cad::members::kActiveDocument)) return *answer;
    return std::make_shared<CadDocument>(state_);
}

}  // namespace standin
