#include "standin/cad_group.h"

#include "points/program_failure.h"
#include "standin/cad_entity.h"

namespace standin {

cad::Value CadGroup::entityAt(std::int16_t index) {
    if (auto answer = enter(*state_, cad::members::kEntityAt)) return *answer;
    if (index < 0 || static_cast<std::size_t>(index) >= members_.size())
        throw points::ProgramFailure("the group has no entity at index " + std::to_string(index));
    return entityObject(state_, members_[static_cast<std::size_t>(index)]);
}

}  // namespace standin
