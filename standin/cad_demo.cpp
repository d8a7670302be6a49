#include "standin/cad.h"

namespace standin {
namespace {

EntityPtr addSolid(Drawing& drawing, geometry::Shape shape) {
    DrawnEntity solid;
    solid.kind = EntityKind::Solid;
    solid.shape = std::move(shape);
    solid.finished = true;
    return drawing.add(std::move(solid));
}

}  // namespace

CadState demoCad() {
    CadState state;
    state.running = true;
    state.visible = false;
    // The block the demo part program measures, a locating pin beside it and a reference
    // sphere; only the block is the part the tolerance check looks at.
    EntityPtr block = addSolid(state.drawing, geometry::Box{{0, 0, 0}, {120, 80, 30}});
    EntityPtr pin = addSolid(state.drawing, geometry::Cylinder{{-20, 40, 0}, 6, 40});
    addSolid(state.drawing, geometry::Sphere{{150, 40, 25}, 12.5});
    state.drawing.defineGroup("PART", {block, pin});
    return state;
}

}  // namespace standin
