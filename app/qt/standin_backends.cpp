#include "app/backends.h"
#include "standin/cad.h"
#include "standin/cmm.h"
#include "standin/viewer/cad_window.h"

namespace app {

namespace {

// The stand-in CAD application's window, beside the program's.
class StandinCadWindow : public BackendHost {
  public:
    explicit StandinCadWindow(std::shared_ptr<standin::CadState> state)
        : window_(std::move(state), QStringLiteral("Form1")) {}

  private:
    standin::viewer::CadWindow window_;
};

}  // namespace

Backends makeBackends() {
    auto measurement = std::make_shared<standin::CmmState>(standin::demoCmm());
    auto drawing = std::make_shared<standin::CadState>(standin::demoCad());
    Backends backends;
    backends.host = std::make_unique<StandinCadWindow>(drawing);
    backends.cmm = std::make_unique<standin::CmmConnector>(measurement);
    backends.cad = std::make_unique<standin::CadConnector>(drawing);
    return backends;
}

}  // namespace app
