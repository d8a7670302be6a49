#include "standin/cad_document.h"

#include "standin/cad_groups.h"
#include "standin/cad_model_space.h"

namespace standin {

cad::Value CadDocument::modelSpace() {
    if (auto answer = enter(*state_, cad::members::kModelSpace)) return *answer;
    return std::make_shared<CadModelSpace>(state_);
}

cad::Value CadDocument::groups() {
    if (auto answer = enter(*state_, cad::members::kGroups)) return *answer;
    return std::make_shared<CadGroups>(state_);
}

}  // namespace standin
