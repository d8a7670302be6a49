#include "points/program_failure.h"
#include "standin/cad_proxies.h"

namespace standin::cad_proxy {

cad::Value GroupsProxy::item(const std::string& name) {
    if (auto answer = enter(*state_, CadOperation::GroupItem)) return *answer;
    const auto* members = state_->drawing.group(name);
    if (!members) throw points::ProgramFailure("the drawing has no group \"" + name + "\"");
    return std::make_shared<GroupProxy>(state_, *members);
}

}  // namespace standin::cad_proxy
