#pragma once

#include <functional>
#include <memory>
#include <optional>

#include "cad/api.h"
#include "standin/drawing.h"
#include "standin/faults.h"

// The embedded stand-in of the CAD application: a running application with one active drawing.
namespace standin {

struct CadState {
    bool running = true;  // false: there is nothing to attach to
    bool visible = false;
    std::function<void()> onShown;  // called when Visible is set to True
    Drawing drawing;
    FaultPlan faults{cad::members::kMembers};
};
using CadStatePtr = std::shared_ptr<CadState>;

// What every object of the stand-in does first: counts the call, applies a planned fault, and
// refuses calls once the application has gone.
std::optional<cad::Value> enter(CadState& state, const automation::Member& op);

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
