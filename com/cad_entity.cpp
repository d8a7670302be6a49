#include "com/cad_entity.h"

#include "com/cad_solid.h"
#include "com/result.h"

namespace com {

automation::Value checkInterference(const ComObject& entity,
                                    const std::shared_ptr<cad::Entity>& other, bool createSolid) {
    const auto* otherObject = dynamic_cast<const ComObject*>(other.get());
    if (!otherObject)
        throw points::ProgramFailure(
            "CheckInterference failed: the entity to check is not one of the "
            "CAD application's");
    std::vector<Variant> args;
    args.push_back(Variant::dispatch(otherObject->dispatch().get()));
    args.push_back(Variant::boolean(createSolid));
    return objectResult<CadSolid>(
        entity.dispatch().call(cad_members::kCheckInterference, std::move(args)),
        &cad_members::kSolidInterface, labelOf(cad_members::kCheckInterference), entity.link());
}

}  // namespace com
