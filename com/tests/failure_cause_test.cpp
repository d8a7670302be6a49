// The causes a COM failure carries: the plain hint for each known result, the failure's text
// around it, the registry view an interface is registered in, and the elevation hint.
#include "com/failure_cause.h"

#include <gmock/gmock.h>

#include <string>
#include <vector>

#include "com/hresult_failure.h"
#include "com/tests/failure_of.h"
#include "windows/wide_text.h"

namespace {

using ::com::Elevation;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::StartsWith;

constexpr const char* kNotRegistered = "the application is not registered on this computer";
constexpr const char* kNotRunning = "the application is registered but not running";
constexpr const char* kBusy = "the application is busy and did not take the call";
constexpr const char* kStopped = "the application stopped answering (it was closed or ended)";

TEST(FailureCause, EachKnownResultHasItsPlainHint) {
    struct Row {
        const char* name;
        HRESULT result;
        std::string hint;
    };
    const std::vector<Row> rows = {
        {"class not registered", REGDB_E_CLASSNOTREG, kNotRegistered},
        {"unknown ProgID", CO_E_CLASSSTRING, kNotRegistered},
        {"not in the running object table", MK_E_UNAVAILABLE, kNotRunning},
        {"server would not start", CO_E_SERVER_EXEC_FAILURE,
         "the application could not be started"},
        {"access denied", E_ACCESSDENIED, "COM refused this program access to the application"},
        {"no such interface", E_NOINTERFACE,
         "the object does not answer to the interface this program needs"},
        {"rejected", RPC_E_CALL_REJECTED, kBusy},
        {"retry later", RPC_E_SERVERCALL_RETRYLATER, kBusy},
        {"cancelled", RPC_E_CALL_CANCELED,
         "the wait for the application was cancelled; it is not called again until the next "
         "link to it"},
        {"disconnected", RPC_E_DISCONNECTED, kStopped},
        {"server unavailable", static_cast<HRESULT>(0x800706BA), kStopped},
        {"call failed", static_cast<HRESULT>(0x800706BE), kStopped},
        {"object not connected", CO_E_OBJNOTCONNECTED, kStopped},
        {"server died", RPC_E_SERVER_DIED_DNE, kStopped},
        {"an exception of the member's own", DISP_E_EXCEPTION, ""},
        {"a type mismatch", DISP_E_TYPEMISMATCH, ""},
        {"unspecified", E_FAIL, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(::com::hintFor(row.result), row.hint);
    }
}

TEST(FailureCause, AFailureNamesTheMemberTheResultTheSystemsTextAndTheHint) {
    const std::string text =
        comtest::failureOf([] { ::com::check(MK_E_UNAVAILABLE, "attach \"App.1\""); });
    EXPECT_THAT(text, StartsWith("attach \"App.1\" failed: 0x800401E3"));
    EXPECT_THAT(text, EndsWith(std::string("; ") + kNotRunning));
    // The system's own words for the result, where it has some, between code and hint.
    EXPECT_THAT(comtest::failureOf([] { ::com::check(E_ACCESSDENIED, "Visible"); }),
                ::testing::MatchesRegex("Visible failed: 0x80070005 \\(.+\\); COM refused this "
                                        "program access to the application"));
    EXPECT_EQ(comtest::failureOf([] {
                  ::com::check(E_FAIL, "Item", "argument 1");
              }).rfind("Item failed: 0x80004005", 0),
              0u);
    EXPECT_THAT(comtest::failureOf([] { ::com::check(E_FAIL, "Item", "argument 1"); }),
                EndsWith(": argument 1"))
        << "no hint where none is known";
}

// An interface identifier of the test's own, registered nowhere but where the test puts it.
constexpr IID kTestInterface{
    0x6C1E5A01, 0x2B7D, 0x4E55, {0x9A, 0x31, 0x5D, 0x0B, 0x7E, 0x44, 0x10, 0x01}};

class RegistryViews : public ::testing::Test {
  protected:
    const std::wstring key = win::toWide("Interface\\" + ::com::guidText(kTestInterface));
    static constexpr REGSAM kOtherView = sizeof(void*) == 8 ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;

    void TearDown() override {
        RegDeleteKeyExW(HKEY_CLASSES_ROOT, key.c_str(), kOtherView, 0);
        RegDeleteKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, 0);
    }
    void registerIn(REGSAM view) {
        HKEY created = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_WRITE | view,
                                  nullptr, &created, nullptr),
                  ERROR_SUCCESS);
        RegCloseKey(created);
    }
    bool inOwnView() const {
        HKEY opened = nullptr;
        if (RegOpenKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS)
            return false;
        RegCloseKey(opened);
        return true;
    }
};

TEST_F(RegistryViews, AnInterfaceIsTraceableToTheViewItIsRegisteredIn) {
    const std::string iid = ::com::guidText(kTestInterface);
    EXPECT_EQ(
        ::com::interfaceHint(kTestInterface),
        "interface " + iid +
            " is not registered on this computer (the application's type library is missing)");

    registerIn(kOtherView);
    if (inOwnView()) GTEST_SKIP() << "this system has one registry view for both bitnesses";
    EXPECT_EQ(::com::interfaceHint(kTestInterface),
              "interface " + iid +
                  (sizeof(void*) == 8
                       ? " is registered for 32-bit programs only, and CMM Points is 64-bit"
                       : " is registered for 64-bit programs only, and CMM Points is 32-bit"));

    registerIn(0);
    EXPECT_EQ(::com::interfaceHint(kTestInterface), ::com::hintFor(E_NOINTERFACE))
        << "registered for this program: the object itself refuses";
}

TEST(FailureCause, AnElevationMismatchIsNamedOnlyWhereItCanBeTold) {
    struct Row {
        const char* name;
        Elevation ours, theirs;
        std::string hint;
    };
    const std::string same = "";
    const std::vector<Row> rows = {
        {"both limited", Elevation::Limited, Elevation::Limited, same},
        {"both administrators", Elevation::Full, Elevation::Full, same},
        {"the application as administrator", Elevation::Limited, Elevation::Full,
         "app.exe is running as administrator and CMM Points is not; COM keeps the two apart: "
         "run both the same way"},
        {"this program as administrator", Elevation::Full, Elevation::Limited,
         "CMM Points is running as administrator and app.exe is not; COM keeps the two apart: "
         "run both the same way"},
        {"a token this program may not open", Elevation::Limited, Elevation::Unknown,
         "app.exe is running at an elevation CMM Points may not inspect, most likely as "
         "administrator; COM keeps the two apart: run both the same way"},
        {"our own token unreadable", Elevation::Unknown, Elevation::Full, same},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(::com::elevationHint(L"app.exe", row.ours, row.theirs), row.hint);
    }
}

TEST(FailureCause, TheServersImageNameComesFromItsRegisteredCommandLine) {
    struct Row {
        std::wstring line, image;
    };
    const std::vector<Row> rows = {
        {L"\"C:\\Program Files\\CAD\\acad.exe\" /Automation", L"acad.exe"},
        {L"C:\\Program Files\\WAI\\PCDMIS\\PCDLRN.EXE /Automation", L"PCDLRN.EXE"},
        {L"Z:/build/standin/servers/cad_standin.exe", L"cad_standin.exe"},
        {L"  server.exe -Embedding", L"server.exe"},
        {L"C:\\tools\\server", L"server"},
        {L"", L""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(win::toUtf8(row.line));
        EXPECT_EQ(::com::imageNameOf(row.line), row.image);
    }
}

// A class whose registered server is this very test, running at this program's elevation: the
// process is found and inspected, and no mismatch is claimed.
TEST(FailureCause, AServerRunningAtTheSameElevationLeavesTheResultsOwnHint) {
    constexpr CLSID kTestClass{
        0x6C1E5A02, 0x2B7D, 0x4E55, {0x9A, 0x31, 0x5D, 0x0B, 0x7E, 0x44, 0x10, 0x02}};
    wchar_t self[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
    ASSERT_GT(length, 0u);
    const std::wstring key = win::toWide("CLSID\\" + ::com::guidText(kTestClass));
    const std::wstring server = L"\"" + std::wstring(self, length) + L"\" -Embedding";
    ASSERT_EQ(
        RegSetKeyValueW(HKEY_CLASSES_ROOT, (key + L"\\LocalServer32").c_str(), nullptr, REG_SZ,
                        server.c_str(), static_cast<DWORD>((server.size() + 1) * sizeof(wchar_t))),
        ERROR_SUCCESS);
    EXPECT_EQ(::com::activationHint(MK_E_UNAVAILABLE, kTestClass), kNotRunning);
    EXPECT_EQ(::com::activationHint(E_ACCESSDENIED, kTestClass), ::com::hintFor(E_ACCESSDENIED));
    RegDeleteTreeW(HKEY_CLASSES_ROOT, key.c_str());
    RegDeleteKeyW(HKEY_CLASSES_ROOT, key.c_str());
}

}  // namespace
