#include "standin/cad_groups.h"

#include "points/program_failure.h"
#include "standin/cad_group.h"

namespace standin {

cad::Value CadGroups::item(const std::string& name) {
    if (auto answer = enter(*state_, cad::members::kGroupsItem)) return *answer;
    const auto* members = state_->drawing.group(name);
    if (!members) throw points::ProgramFailure("the drawing has no group \"" + name + "\"");
    return std::make_shared<CadGroup>(state_, *members);
}

}  // namespace standin
