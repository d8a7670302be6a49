#include <windows.h>

#include <memory>

#include "app/win32/form1.h"
#include "app/win32/message_loop.h"
#include "com/apartment.h"
#include "com/cad_connector.h"
#include "com/cmm_connector.h"
#include "standin/cad.h"
#include "standin/cmm.h"
#include "standin/com/cad_server.h"
#include "standin/com/cmm_server.h"

// The Windows program's window and COM client over the demo stand-ins, served as COM servers in
// this process: a dry run without PC-DMIS or AutoCAD (the screenshot is made with it).
int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    ::com::Apartment apartment;
    auto measurement = std::make_shared<standin::CmmState>(standin::demoCmm());
    auto drawing = std::make_shared<standin::CadState>(standin::demoCad());
    standin::com::CmmServer cmmServer(std::make_shared<standin::CmmConnector>(measurement));
    standin::com::CadServer cadServer(std::make_shared<standin::CadConnector>(drawing));

    ::com::CmmConnector cmm;
    ::com::CadConnector cad;
    int exitCode = 0;
    {
        app::win32::Form1 form(cmm, cad);
        form.open(instance, showCommand);
        exitCode = app::win32::runMessageLoop(form.handle());
    }
    return exitCode;
}
