#include "app/backends.h"
#include "com/apartment.h"
#include "com/cad_connector.h"
#include "com/cmm_connector.h"

namespace app {

namespace {

// COM for the window's thread.
class ComApartment : public BackendHost {
    ::com::Apartment apartment_;
};

}  // namespace

Backends makeBackends() {
    Backends backends;
    backends.host = std::make_unique<ComApartment>();
    backends.cmm = std::make_unique<::com::CmmConnector>();
    backends.cad = std::make_unique<::com::CadConnector>();
    return backends;
}

}  // namespace app
