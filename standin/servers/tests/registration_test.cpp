// Registering the stand-ins beside an installed application leaves the application's
// registration as it was, and the stand-in still serves the program under the application's
// class.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/form_engine.h"
#include "com/apartment.h"
#include "com/cad_connector.h"
#include "com/cmm_connector.h"
#include "com/com_ptr.h"
#include "com/hresult_failure.h"
#include "standin/com/class_ids.h"
#include "standin/servers/tests/server_processes.h"
#include "standin/testing/press_fixture.h"
#include "view/testing/memory_form.h"

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
    EXPECT_EQ(
        ServerProcesses::readClassesText(kStandInClass, nullptr, ServerProcesses::serverView()),
        "CMM Points CAD stand-in");

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
    EXPECT_EQ(
        ServerProcesses::readClassesText(kStandInClass, nullptr, ServerProcesses::serverView()),
        "(none)");
}

// The interfaces the type library built into the servers describes.
std::vector<std::string> describedInterfaces() {
    ::com::ComPtr<ITypeLib> library;
    EXPECT_EQ(LoadTypeLibEx(ServerProcesses::cadImage().c_str(), REGKIND_NONE, library.receive()),
              S_OK);
    std::vector<std::string> found;
    for (UINT i = 0; library && i < library->GetTypeInfoCount(); ++i) {
        TYPEKIND kind{};
        ::com::ComPtr<ITypeInfo> info;
        TYPEATTR* attributes = nullptr;
        if (FAILED(library->GetTypeInfoType(i, &kind)) ||
            (kind != TKIND_INTERFACE && kind != TKIND_DISPATCH) ||
            FAILED(library->GetTypeInfo(i, info.receive())) ||
            FAILED(info->GetTypeAttr(&attributes)))
            continue;
        found.push_back(::com::guidText(attributes->guid));
        info->ReleaseTypeAttr(attributes);
    }
    return found;
}

constexpr REGSAM kViews[] = {KEY_WOW64_32KEY, KEY_WOW64_64KEY};

// A client of either bitness finds every typed interface in its own registry view, and the type
// library for its own platform, whichever bitness the servers are; unregistering leaves nothing
// of them in either view.
TEST(RegisteredInterfaces, AreFoundFromEitherBitnessAndRemovedFromBoth) {
    const std::string library = ::com::guidText(standin::com::kStandinTypeLibrary);
    const auto interfaces = describedInterfaces();
    ASSERT_GT(interfaces.size(), 5u);
    for (REGSAM view : kViews) {
        SCOPED_TRACE(view == KEY_WOW64_32KEY ? "32-bit view" : "64-bit view");
        for (const auto& iid : interfaces) {
            const std::string key = "Interface\\" + iid;
            EXPECT_NE(ServerProcesses::readClassesText(key + "\\ProxyStubClsid32", nullptr, view),
                      "(none)")
                << iid;
            EXPECT_EQ(ServerProcesses::readClassesText(key + "\\TypeLib", nullptr, view), library)
                << iid;
        }
        for (const char* platform : {"win32", "win64"})
            EXPECT_NE(ServerProcesses::readClassesText(
                          "TypeLib\\" + library + "\\1.0\\0\\" + platform, nullptr, view),
                      "(none)")
                << platform;
    }
    ::com::ComPtr<ITypeLib> registered;
    EXPECT_EQ(LoadRegTypeLib(standin::com::kStandinTypeLibrary, 1, 0, 0, registered.receive()),
              S_OK)
        << "the marshaller of this process finds the library";

    ServerProcesses::unregisterBoth();
    for (REGSAM view : kViews) {
        for (const auto& iid : interfaces)
            EXPECT_EQ(ServerProcesses::readClassesText("Interface\\" + iid, nullptr, view),
                      "(none)")
                << iid;
        EXPECT_EQ(ServerProcesses::readClassesText("TypeLib\\" + library + "\\1.0", nullptr, view),
                  "(none)");
    }
    ServerProcesses::registerBoth();
}

}  // namespace
}  // namespace servertest
