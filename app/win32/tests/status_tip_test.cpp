#include <windows.h>
// The tooltip control's messages build on the Windows headers.
#include <commctrl.h>

#include <string>
#include <vector>

#include "app/win32/tests/window_fixture.h"

namespace win32test {
namespace {

class StatusTipTest : public WindowTest {};

// The cause of a failure rides on Label2 as its tooltip; the label itself reads the fixed text.
TEST_F(StatusTipTest, Label2sTooltipCarriesTheCauseUntilTheMachineNameShowsAgain) {
    measurement.reset();  // no measurement application to create
    open();
    EXPECT_EQ(windowText(control("Label2")), "Can't Link to PC-DMIS");
    const std::string tip = form->statusTip();
    EXPECT_EQ(tip.rfind("Can't Link to PC-DMIS\ncreate \"pcdlrn.application\" failed: 0x", 0), 0u)
        << tip;
    EXPECT_NE(tip.find("; the application is not registered on this computer"), std::string::npos)
        << tip;

    // The tip belongs to Label2, which takes the pointer so that the tip sees it rest there.
    std::vector<HWND> tools;
    for (HWND w = FindWindowExW(nullptr, nullptr, TOOLTIPS_CLASSW, nullptr); w;
         w = FindWindowExW(nullptr, w, TOOLTIPS_CLASSW, nullptr)) {
        TOOLINFOW tool{};
        tool.cbSize = TTTOOLINFOW_V2_SIZE;
        if (SendMessageW(w, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&tool)) &&
            tool.hwnd == form->handle())
            tools.push_back(reinterpret_cast<HWND>(tool.uId));
    }
    EXPECT_EQ(tools, std::vector<HWND>{control("Label2")});
    EXPECT_TRUE(GetWindowLongW(control("Label2"), GWL_STYLE) & SS_NOTIFY);

    measurement.emplace(std::make_shared<standin::CmmConnector>(f.cmm));
    postClickCentre(control("Command2"));
    pumpMessages();
    EXPECT_EQ(windowText(control("Label2")), "CMM-1");
    EXPECT_EQ(form->statusTip(), "");
}

}  // namespace
}  // namespace win32test
