#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string_view>

#include "cad/api.h"
#include "standin/drawing.h"
#include "standin/faults.h"

// The embedded stand-in of the CAD application: a running application with one active drawing.
namespace standin {

enum class CadOperation {
    Attach,
    Visible,
    ActiveDocument,
    Groups,
    GroupItem,
    EntityAt,
    ModelSpace,
    AddSphere,
    AddCircle,
    AddSpline,
    Finish,
    MarkCode,
    CheckInterference,
    Measure,
    Discard,
    End  // not an operation: the number of them
};

// Each operation's name, as a stand-in server's controls take it, in the enumeration's order.
inline constexpr auto kCadOperationNames = std::to_array<std::string_view>(
    {"Attach", "Visible", "ActiveDocument", "Groups", "GroupItem", "EntityAt", "ModelSpace",
     "AddSphere", "AddCircle", "AddSpline", "Finish", "MarkCode", "CheckInterference", "Measure",
     "Discard"});
static_assert(kCadOperationNames.size() == operationCount<CadOperation>());

struct CadState {
    bool running = true;  // false: there is nothing to attach to
    bool visible = false;
    std::function<void()> onShown;  // called when Visible is set to True
    Drawing drawing;
    FaultPlan<CadOperation> faults;
};

// Like a real CAD application it refuses a radius of zero or less and a spline of fewer than
// two points or whose array length is not a multiple of three.
class CadConnector : public cad::Connector {
  public:
    explicit CadConnector(std::shared_ptr<CadState> state);
    cad::Value attach() override;

  private:
    std::shared_ptr<CadState> state_;
};

// The demo drawing: a group "PART" whose first entity is the solid of the demo part.
CadState demoCad();

}  // namespace standin
