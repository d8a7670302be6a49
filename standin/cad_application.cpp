#include "standin/cad_proxies.h"

namespace standin::cad_proxy {

void ApplicationProxy::setVisible(bool visible) {
    enter(*state_, CadOperation::Visible);
    state_->visible = visible;
    if (visible && state_->onShown) state_->onShown();
}

cad::Value ApplicationProxy::activeDocument() {
    if (auto answer = enter(*state_, CadOperation::ActiveDocument)) return *answer;
    return std::make_shared<DocumentProxy>(state_);
}

}  // namespace standin::cad_proxy
