#include <windows.h>

#include "app/backends.h"
#include "app/win32/form1.h"
#include "app/win32/message_loop.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    // COM lives in the backends, which outlive the window and every reference it holds.
    app::Backends backends = app::makeBackends();
    app::win32::Form1 form(*backends.cmm, *backends.cad);
    form.open(instance, showCommand);
    return app::win32::runMessageLoop(form.handle());
}
