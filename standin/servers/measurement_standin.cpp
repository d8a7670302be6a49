// The measurement stand-in as a local server: COM starts it when a client creates
// "pcdlrn.application", it serves the demo part program, and it ends by itself when the last
// object it handed out is released.
#include <memory>

#include "com/apartment.h"
#include "standin/cmm.h"
#include "standin/com/class_ids.h"
#include "standin/com/cmm_server.h"
#include "standin/servers/controls.h"
#include "standin/servers/server_main.h"

namespace {

using namespace standin::com;
using standin::servers::ControlTarget;
using standin::servers::makeControlObject;

const standin::servers::ServerEntry kEntry{kCmmServerClass, kCadServerClass, "pcdlrn.application",
                                           "CMM Points measurement stand-in", true};

// Started without a client (by hand, or by COM whose client went away at once): end when no
// object has been asked for within this time.
constexpr UINT kIdleMs = 60'000;

}  // namespace

int main(int argc, char** argv) {
    if (auto done = standin::servers::handleRegistration(kEntry, argc, argv)) return *done;

    ::com::Apartment apartment;
    const auto typeLibrary = standin::servers::holdTypeLibrary();
    auto state = std::make_shared<standin::CmmState>(standin::demoCmm());
    CmmServer server(std::make_shared<standin::CmmConnector>(state),
                     standin::servers::servedClass(kEntry));
    server.control().onLastObject = [] { PostQuitMessage(0); };

    ControlTarget target{server.sharedControl(), state, nullptr, [] { PostQuitMessage(0); }};
    IDispatch* control = makeControlObject(std::move(target));
    DWORD controlCookie = 0;
    RegisterActiveObject(control, kCmmControlClass, ACTIVEOBJECT_STRONG, &controlCookie);

    const UINT_PTR idle = SetTimer(nullptr, 0, kIdleMs, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER && message.wParam == idle) {
            KillTimer(nullptr, idle);
            if (server.control().objects == 0) break;
            continue;
        }
        DispatchMessageW(&message);
    }

    RevokeActiveObject(controlCookie, nullptr);
    CoDisconnectObject(control, 0);
    control->Release();
    return 0;
}
