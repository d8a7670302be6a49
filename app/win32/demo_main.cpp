#include <windows.h>

#include <memory>

#include "app/win32/form1.h"
#include "app/win32/message_loop.h"
#include "automation/com/apartment.h"
#include "automation/com/cad_connector.h"
#include "automation/com/cmm_connector.h"
#include "standin/cad.h"
#include "standin/com/cad_server.h"
#include "standin/com/measurement_server.h"
#include "standin/measurement.h"

// The Windows program's window and COM client over the demo stand-ins, served as COM servers in
// this process: a dry run without PC-DMIS or AutoCAD (the screenshot is made with it).
int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    automation::com::Apartment apartment;
    auto measurement = std::make_shared<standin::MeasurementState>(standin::demoMeasurement());
    auto drawing = std::make_shared<standin::CadState>(standin::demoCad());
    standin::com::MeasurementServer measurementServer(
        std::make_shared<standin::MeasurementConnector>(measurement));
    standin::com::CadServer cadServer(std::make_shared<standin::CadConnector>(drawing));

    automation::com::CmmConnector cmm;
    automation::com::CadConnector cad;
    int exitCode = 0;
    {
        app::win32::Form1 form(cmm, cad);
        form.open(instance, showCommand);
        exitCode = app::win32::runMessageLoop(form.handle());
    }
    return exitCode;
}
