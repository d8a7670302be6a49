// Registering the stand-ins beside an installed application leaves the application's
// registration as it was, and the stand-in still serves the program under the application's
// class.
#include <gtest/gtest.h>

#include "app/form_engine.h"
#include "com/apartment.h"
#include "com/cad_connector.h"
#include "com/cmm_connector.h"
#include "standin/servers/tests/server_processes.h"
#include "standin/testing/press_fixture.h"
#include "view/memory_form.h"

namespace servertest {
namespace {

// What an installed CAD application has registered: its ProgID with its class, and the group
// interface with its own type library.
constexpr const char* kProgId = "AutoCAD.Application.15";
constexpr const char* kInstalledClass = "{1365A45F-0B8D-4E77-9A41-3D5E6C7B8A90}";
constexpr const char* kInstalledLibrary = "{1365A45F-0B8D-4E77-9A41-3D5E6C7B8A91}";
constexpr const char* kGroupInterface = "Interface\\{B49978B6-F971-11D1-A2C8-080009DC639A}";
constexpr const char* kStandInClass = "CLSID\\{6C1A52E4-3B0D-4F2E-9A61-2D4B7E10C302}";

class InstalledApplication : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(ServerProcesses::run(ServerProcesses::cadImage(), L"/unregserver"), 0u);
        ServerProcesses::writeClassesText(kProgId, "AutoCAD Application");
        ServerProcesses::writeClassesText(std::string(kProgId) + "\\CLSID", kInstalledClass);
        ServerProcesses::writeClassesText(std::string("CLSID\\") + kInstalledClass, "AutoCAD");
        ServerProcesses::writeClassesText(kGroupInterface, "IAcadGroup");
        ServerProcesses::writeClassesText(std::string(kGroupInterface) + "\\TypeLib",
                                          kInstalledLibrary);
    }
    void TearDown() override {
        ServerProcesses::removeClassesKey(kProgId);
        ServerProcesses::removeClassesKey(std::string("CLSID\\") + kInstalledClass);
        ServerProcesses::removeClassesKey(kGroupInterface);
        EXPECT_EQ(ServerProcesses::run(ServerProcesses::cadImage(), L"/regserver"), 0u);
    }
    void expectInstalledRegistrationIntact() {
        EXPECT_EQ(ServerProcesses::readClassesText(std::string(kProgId) + "\\CLSID"),
                  kInstalledClass);
        EXPECT_EQ(ServerProcesses::readClassesText(std::string("CLSID\\") + kInstalledClass),
                  "AutoCAD");
        EXPECT_EQ(ServerProcesses::readClassesText(std::string(kGroupInterface) + "\\TypeLib"),
                  kInstalledLibrary);
    }
};

TEST_F(InstalledApplication, RegisteringBesideItKeepsItsRegistrationAndServesItsClass) {
    ASSERT_EQ(ServerProcesses::run(ServerProcesses::cadImage(), L"/regserver"), 0u);
    expectInstalledRegistrationIntact();
    EXPECT_EQ(ServerProcesses::readClassesText(kStandInClass), "CMM Points CAD stand-in");

    {
        ::com::Apartment apartment;
        ServerProcesses servers;
        servers.startCad();  // in the running object table under the installed class
        view::MemoryForm form;
        standin::testing::QuietShell shell;
        ::com::CmmConnector cmm;
        ::com::CadConnector cad;
        app::FormEngine engine(form, shell, cmm, cad);
        engine.load();
        form.selectFeatures({1});
        engine.press();
        EXPECT_EQ(form.label2, "Demo CMM 7.10");
        EXPECT_EQ(servers.cadDrawing().size(), 4u) << "the demo drawing and one circle";
    }

    ASSERT_EQ(ServerProcesses::run(ServerProcesses::cadImage(), L"/unregserver"), 0u);
    expectInstalledRegistrationIntact();
    EXPECT_EQ(ServerProcesses::readClassesText(kStandInClass), "(none)");
}

}  // namespace
}  // namespace servertest
