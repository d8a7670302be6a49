// Why a link or a press failed, across processes: the status label reads its fixed text exactly,
// and its tip tells the operator or a support person which cause it was.
#include <gmock/gmock.h>

#include <functional>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "app/form_engine.h"
#include "cad/api.h"
#include "cmm/api.h"
#include "com/apartment.h"
#include "com/busy_retry.h"
#include "com/cad_connector.h"
#include "com/cmm_connector.h"
#include "com/hresult_failure.h"
#include "standin/servers/tests/server_processes.h"
#include "standin/testing/press_fixture.h"
#include "view/testing/memory_form.h"
#include "windows/wide_text.h"

namespace servertest {
namespace {

using ::com::Variant;
using namespace std::chrono_literals;

const std::string kCircleKey =
    "Interface\\" + ::com::guidText(::com::iidOf(cad::members::kCircleInterface));
const std::string kCmmProgId = cmm::members::kProgId;
constexpr REGSAM kOtherView = sizeof(void*) == 8 ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;

// Moves the circle's interface registration to the registry view of the other bitness, as a
// CAD release of that bitness alone registers it.
void registerCircleForTheOtherBitnessOnly() {
    const std::string name = ServerProcesses::readClassesText(kCircleKey);
    const std::string marshaller =
        ServerProcesses::readClassesText(kCircleKey + "\\ProxyStubClsid32");
    ServerProcesses::removeClassesKey(kCircleKey);
    const auto write = [](const std::string& path, const std::string& value) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, win::toWide(path).c_str(), 0, nullptr, 0,
                                  KEY_WRITE | kOtherView, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        const std::wstring text = win::toWide(value);
        RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
        RegCloseKey(key);
    };
    write(kCircleKey, name);
    write(kCircleKey + "\\ProxyStubClsid32", marshaller);
}

void restoreCircleRegistration() {
    RegDeleteKeyExW(HKEY_CLASSES_ROOT, win::toWide(kCircleKey + "\\ProxyStubClsid32").c_str(),
                    kOtherView, 0);
    RegDeleteKeyExW(HKEY_CLASSES_ROOT, win::toWide(kCircleKey).c_str(), kOtherView, 0);
    EXPECT_EQ(ServerProcesses::run(ServerProcesses::cadImage(), L"/regserver"), 0u);
}

void dieOn(const ::com::Dispatch& control, const char* operation, int afterCalls) {
    std::vector<Variant> args;
    args.push_back(Variant::text(operation));
    args.push_back(Variant::int32(afterCalls));
    control.callByName("DieOn", std::move(args));
}

struct Row {
    const char* name;
    std::function<void(ServerProcesses&)> provoke;
    std::string status;            // Label2, exactly
    std::vector<std::string> tip;  // what the tip tells, in this order
    std::function<void(ServerProcesses&)> mend;
    bool shownByWine = true;
};

// Wine's COM looks up an interface's marshaller in both registry views, whichever its bitness, so
// there a row that registers an interface for the other bitness only cannot provoke the failure.
bool underWine() {
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

class CausesAcrossProcesses : public ::testing::Test {
  protected:
    void SetUp() override { ::com::BusyRetry::setBound(3s); }
    void TearDown() override { ::com::BusyRetry::setBound(::com::BusyRetry::kDefaultBound); }

    ::com::Apartment apartment;
    ServerProcesses servers;
    ::com::CmmConnector cmm;
    ::com::CadConnector cad;
};

// Each row starts the window up and presses F1 (8 points) and F3 (12 points) as circles. A
// measurement server killed in the middle of a press is left to the death tests: Wine keeps a
// killed local server's class registration, which the rows after it would meet.
TEST_F(CausesAcrossProcesses, TheTipSaysWhichCauseAndTheStatusReadsItsFixedText) {
    const std::string circle = ::com::guidText(::com::iidOf(cad::members::kCircleInterface));
    // Whichever class the ProgID names at this point of the run, it names it again afterwards.
    const std::string cmmProgIdName = ServerProcesses::readClassesText(kCmmProgId);
    const std::string cmmProgIdClass = ServerProcesses::readClassesText(kCmmProgId + "\\CLSID");
    const std::vector<Row> rows = {
        {"the measurement application not registered",
         [](ServerProcesses&) { ServerProcesses::removeClassesKey(kCmmProgId); },
         "Can't Link to PC-DMIS",
         {"Can't Link to PC-DMIS\n", "create \"pcdlrn.application\" failed: 0x800401F3",
          "; the application is not registered on this computer"},
         [&](ServerProcesses&) {
             if (cmmProgIdName != "(none)")
                 ServerProcesses::writeClassesText(kCmmProgId, cmmProgIdName);
             ServerProcesses::writeClassesText(kCmmProgId + "\\CLSID", cmmProgIdClass);
         }},
        {"the CAD application registered but not running",
         [](ServerProcesses& s) { s.quitCad(); },
         "Can't Link to AutoCAD",
         {"Can't Link to AutoCAD\n", "attach \"AutoCAD.Application.15\" failed: 0x800401E3",
          "; the application is registered but not running"},
         [](ServerProcesses&) {}},
        {"a direct member's interface registered for the other bitness only",
         [](ServerProcesses&) { registerCircleForTheOtherBitnessOnly(); },
         "Can't Link to AutoCAD",
         {"Can't Link to AutoCAD\n", "AddCircle failed: 0x80004002",
          "the result does not answer to interface " + circle,
          "; interface " + circle + " is registered for " +
              (sizeof(void*) == 8 ? "32-bit programs only, and CMM Points is 64-bit"
                                  : "64-bit programs only, and CMM Points is 32-bit")},
         [](ServerProcesses&) { restoreCircleRegistration(); },
         false},
        {"the CAD application killed in the middle of the press",
         [](ServerProcesses& s) { dieOn(s.cadControl(), "AddCircle", 5); },
         "Can't Link to AutoCAD",
         {"Can't Link to AutoCAD\n", "; the application stopped answering"},
         [](ServerProcesses&) {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        // The hint itself is tested in one process.
        if (!row.shownByWine && underWine()) {
            std::cout << "not run under Wine: " << row.name << "\n";
            continue;
        }
        if (!servers.cadRunning()) servers.startCad();
        view::MemoryForm form;
        standin::testing::QuietShell shell;
        std::optional<app::FormEngine> engine(std::in_place, form, shell, cmm, cad);
        withinBound(120s, "the start-up", [&] { engine->load(); });
        row.provoke(servers);
        form.selectFeatures({0, 2});
        withinBound(120s, "the press", [&] { engine->press(); });

        EXPECT_EQ(form.label2, row.status);
        EXPECT_TRUE(form.messages.empty());
        std::size_t at = 0;
        for (const std::string& part : row.tip) {
            const std::size_t found = form.label2Tip.find(part, at);
            EXPECT_NE(found, std::string::npos) << "\"" << part << "\" in: " << form.label2Tip;
            if (found != std::string::npos) at = found + part.size();
        }
        engine.reset();
        row.mend(servers);
    }
}

}  // namespace
}  // namespace servertest
