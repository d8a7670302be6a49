#include <windows.h>

#include <exception>

#include "app/backends.h"
#include "app/win32/form1.h"
#include "app/win32/message_loop.h"
#include "windows/wide_text.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    try {
        // COM lives in the backends, which outlive the window and every reference it holds.
        app::Backends backends = app::makeBackends();
        app::win32::Form1 form(*backends.cmm, *backends.cad);
        form.open(instance, showCommand);
        return app::win32::runMessageLoop(form.handle());
    } catch (const std::exception& failure) {
        // Without its window the program cannot go on; it says why instead of vanishing.
        MessageBoxW(nullptr, win::toWide(failure.what()).c_str(), L"CMM Points",
                    MB_OK | MB_ICONERROR);
        return 1;
    }
}
