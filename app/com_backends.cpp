#include "app/backends.h"
#include "automation/com/apartment.h"
#include "automation/com/cad_connector.h"
#include "automation/com/cmm_connector.h"

namespace app {

Backends makeBackends() {
    Backends backends;
    // COM for the window's thread, kept until the window and its links to both applications are
    // gone (the window is destroyed before the backends).
    backends.extras = std::make_shared<automation::com::Apartment>();
    backends.cmm = std::make_unique<automation::com::CmmConnector>();
    backends.cad = std::make_unique<automation::com::CadConnector>();
    return backends;
}

}  // namespace app
