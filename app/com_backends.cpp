#include "app/backends.h"
#include "com/apartment.h"
#include "com/cad_connector.h"
#include "com/cmm_connector.h"

namespace app {

Backends makeBackends() {
    Backends backends;
    // COM for the window's thread, kept until the window and its links to both applications are
    // gone (the window is destroyed before the backends).
    backends.extras = std::make_shared<::com::Apartment>();
    backends.cmm = std::make_unique<::com::CmmConnector>();
    backends.cad = std::make_unique<::com::CadConnector>();
    return backends;
}

}  // namespace app
