#include "points/program_failure.h"
#include "standin/cad_proxies.h"

namespace standin::cad_proxy {

cad::Value GroupProxy::entityAt(std::int16_t index) {
    if (auto answer = enter(*state_, CadOperation::EntityAt)) return *answer;
    if (index < 0 || static_cast<std::size_t>(index) >= members_.size())
        throw points::ProgramFailure("the group has no entity at index " + std::to_string(index));
    return entityProxy(state_, members_[static_cast<std::size_t>(index)]);
}

}  // namespace standin::cad_proxy
