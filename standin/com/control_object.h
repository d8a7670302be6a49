#pragma once

#include <ole2.h>
#include <windows.h>

#include <functional>
#include <memory>

#include "standin/cad.h"
#include "standin/cmm.h"
#include "standin/com/server_control.h"

namespace standin::com {

// The stand-in a control object reaches: one of the two applications, and how its server ends.
struct ControlTarget {
    std::shared_ptr<ServerControl> server;
    std::shared_ptr<CmmState> measurement;  // or
    std::shared_ptr<CadState> cad;
    std::function<void()> quit;
};

// The control object of a stand-in server (the StandinControl dispinterface of the type
// library): its call counts, fault plan, busy answers and drawing, for tests and demos in other
// processes. It is not one of the application's objects, so it counts in neither the calls nor
// the objects it reports. The caller owns the returned reference.
IDispatch* makeControlObject(ControlTarget target);

}  // namespace standin::com
