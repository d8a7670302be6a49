#include "standin/cad_proxies.h"

namespace standin::cad_proxy {

cad::Value DocumentProxy::modelSpace() {
    if (auto answer = enter(*state_, CadOperation::ModelSpace)) return *answer;
    return std::make_shared<ModelSpaceProxy>(state_);
}

cad::Value DocumentProxy::groups() {
    if (auto answer = enter(*state_, CadOperation::Groups)) return *answer;
    return std::make_shared<GroupsProxy>(state_);
}

}  // namespace standin::cad_proxy
