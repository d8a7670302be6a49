#include "standin/servers/tests/server_processes.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <sstream>
#include <thread>

#include "com/com_ptr.h"
#include "com/hresult_failure.h"
#include "com/result.h"
#include "points/program_failure.h"
#include "standin/com/class_ids.h"
#include "standin/servers/registration.h"
#include "windows/wide_text.h"

namespace servertest {

namespace {

using ::com::ComPtr;
using ::com::Dispatch;

constexpr DWORD kProcessBoundMs = 30'000;

std::wstring beside(const char* name) {
    return win::toWide(ServerProcesses::serverDir() + "/" + name);
}

// The running object table may still hold the entry of a server that was just killed, until the
// system notices; a live one is found within a few seconds.
Dispatch activeControl(const CLSID& clsid, const char* which) {
    const std::string member = std::string(which) + " control";
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    for (;;) {
        ComPtr<IUnknown> running;
        const HRESULT found = GetActiveObject(clsid, nullptr, running.receive());
        ComPtr<IDispatch> control = running.query<IDispatch>(IID_IDispatch);
        if (control) return Dispatch(std::move(control));
        if (std::chrono::steady_clock::now() >= deadline) {
            ::com::check(found, member, "the server is not running");
            throw points::ProgramFailure(member + " is not automatable");
        }
        Sleep(100);
    }
}

std::vector<std::string> freshClasses;

}  // namespace

void ServerProcesses::serveCmmUnderAFreshClass() {
    CLSID fresh = standin::com::kCmmServerClass;
    fresh.Data4[7] = static_cast<unsigned char>(0x40 + freshClasses.size());
    const std::string id = ::com::guidText(fresh);
    writeClassesText("CLSID\\" + id + "\\LocalServer32",
                     std::string("\"").append(win::toUtf8(cmmImage())).append("\""));
    writeClassesText("pcdlrn.application\\CLSID", id);
    freshClasses.push_back(id);
}

void ServerProcesses::restoreCmmClass() {
    if (freshClasses.empty()) return;
    writeClassesText("pcdlrn.application\\CLSID", ::com::guidText(standin::com::kCmmServerClass));
    for (const auto& id : freshClasses) removeClassesKey("CLSID\\" + id);
    freshClasses.clear();
}

void ServerProcesses::writeClassesText(const std::string& path, const std::string& value,
                                       const char* name, REGSAM view) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CLASSES_ROOT, win::toWide(path).c_str(), 0, nullptr, 0,
                        KEY_WRITE | view, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        ADD_FAILURE() << "cannot write " << path;
        return;
    }
    const std::wstring wide = win::toWide(value);
    const std::wstring wideName = name ? win::toWide(name) : std::wstring();
    RegSetValueExW(key, name ? wideName.c_str() : nullptr, 0, REG_SZ,
                   reinterpret_cast<const BYTE*>(wide.c_str()),
                   static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}

std::string ServerProcesses::readClassesText(const std::string& path, const char* name,
                                             REGSAM view) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, win::toWide(path).c_str(), 0, KEY_QUERY_VALUE | view,
                      &key) != ERROR_SUCCESS)
        return "(none)";
    wchar_t buffer[512];
    DWORD size = sizeof buffer;
    const std::wstring wideName = name ? win::toWide(name) : std::wstring();
    const LONG read = RegGetValueW(key, nullptr, name ? wideName.c_str() : nullptr, RRF_RT_REG_SZ,
                                   nullptr, buffer, &size);
    RegCloseKey(key);
    return read == ERROR_SUCCESS ? win::toUtf8(buffer) : "(none)";
}

void ServerProcesses::removeClassesKey(const std::string& path, REGSAM view) {
    standin::servers::removeClassesTree(path, view);
}

std::string ServerProcesses::serverDir() {
    if (const char* chosen = std::getenv("CMM_POINTS_SERVER_DIR"); chosen && *chosen) return chosen;
    // The build puts the test and the servers into folders it names; see the CMake file.
    return CMM_POINTS_SERVER_DIR;
}

int ServerProcesses::bitnessOf(HANDLE process) {
    // A 32-bit process on 64-bit Windows runs under WOW64; this program's own bitness tells
    // whether Windows is 64-bit when it is 32-bit itself.
    BOOL underWow64 = FALSE, selfUnderWow64 = FALSE;
    IsWow64Process(process, &underWow64);
    IsWow64Process(GetCurrentProcess(), &selfUnderWow64);
    const bool windows64 = sizeof(void*) == 8 || selfUnderWow64;
    return windows64 && !underWow64 ? 64 : 32;
}

REGSAM ServerProcesses::serverView() {
    DWORD kind = 0;
    GetBinaryTypeW(cadImage().c_str(), &kind);
    return kind == SCS_64BIT_BINARY ? KEY_WOW64_64KEY : KEY_WOW64_32KEY;
}

std::wstring ServerProcesses::cmmImage() { return beside("measurement_standin.exe"); }
std::wstring ServerProcesses::cadImage() { return beside("cad_standin.exe"); }

DWORD ServerProcesses::run(const std::wstring& image, const std::wstring& argument) {
    std::wstring line = L"\"" + image + L"\" " + argument;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(image.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        ADD_FAILURE() << "cannot start " << win::toUtf8(image);
        return ~DWORD{0};
    }
    DWORD code = ~DWORD{0};
    if (WaitForSingleObject(process.hProcess, kProcessBoundMs) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &code);
    else
        ADD_FAILURE() << win::toUtf8(line) << " did not end";
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

void ServerProcesses::registerBoth() {
    EXPECT_EQ(run(cmmImage(), L"/regserver"), 0u);
    EXPECT_EQ(run(cadImage(), L"/regserver"), 0u);
}

void ServerProcesses::unregisterBoth() {
    restoreCmmClass();
    EXPECT_EQ(run(cmmImage(), L"/unregserver"), 0u);
    EXPECT_EQ(run(cadImage(), L"/unregserver"), 0u);
}

ServerProcesses::~ServerProcesses() {
    if (cadRunning()) quitCad();
    if (cad_.hProcess) {
        CloseHandle(cad_.hThread);
        CloseHandle(cad_.hProcess);
    }
}

void ServerProcesses::startCad() {
    ASSERT_FALSE(cadRunning());
    if (cad_.hProcess) {
        CloseHandle(cad_.hThread);
        CloseHandle(cad_.hProcess);
    }
    cad_ = {};
    std::wstring line = L"\"" + cadImage() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    ASSERT_TRUE(CreateProcessW(cadImage().c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &cad_));
    // Ready once its control object is in the running object table, which it puts there last.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    for (;;) {
        ComPtr<IUnknown> running;
        if (SUCCEEDED(GetActiveObject(standin::com::kCadControlClass, nullptr, running.receive())))
            return;
        ASSERT_LT(std::chrono::steady_clock::now(), deadline) << "the CAD stand-in did not start";
        ASSERT_TRUE(cadRunning()) << "the CAD stand-in ended at start";
        Sleep(50);
    }
}

bool ServerProcesses::cadRunning() const {
    return cad_.hProcess && WaitForSingleObject(cad_.hProcess, 0) == WAIT_TIMEOUT;
}

void ServerProcesses::quitCad() {
    try {
        cadControl().callByName("Quit");
    } catch (const points::ProgramFailure&) {
        // Ended already, or no longer answering: it is killed below.
    }
    if (WaitForSingleObject(cad_.hProcess, kProcessBoundMs) != WAIT_OBJECT_0) {
        ADD_FAILURE() << "the CAD stand-in did not close";
        killCad();
    }
}

void ServerProcesses::killCad() {
    TerminateProcess(cad_.hProcess, 9);
    WaitForSingleObject(cad_.hProcess, kProcessBoundMs);
}

DWORD ServerProcesses::cmmProcess() {
    ::com::Variant id = cmmControl().getByName("ProcessId");
    return static_cast<DWORD>(id.get().lVal);
}

void ServerProcesses::killCmm() {
    const DWORD id = cmmProcess();
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id);
    ASSERT_NE(process, nullptr);
    TerminateProcess(process, 9);
    WaitForSingleObject(process, kProcessBoundMs);
    CloseHandle(process);
}

bool ServerProcesses::endsWithin(DWORD processId, std::chrono::milliseconds bound) {
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);
    if (!process) return true;  // gone already
    const bool ended =
        WaitForSingleObject(process, static_cast<DWORD>(bound.count())) == WAIT_OBJECT_0;
    CloseHandle(process);
    return ended;
}

Dispatch ServerProcesses::cadControl() {
    return activeControl(standin::com::kCadControlClass, "CAD");
}

Dispatch ServerProcesses::cmmControl() {
    return activeControl(standin::com::kCmmControlClass, "measurement");
}

std::vector<std::string> ServerProcesses::cadDrawing() {
    const automation::Value text = ::com::toValue(cadControl().getByName("Drawing"));
    std::vector<std::string> lines;
    std::istringstream in(std::get<std::string>(text.storage()));
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

void withinBound(std::chrono::seconds bound, const char* what, void (*body)(void*), void* context) {
    std::mutex m;
    std::condition_variable done;
    bool finished = false;
    std::thread watchdog([&] {
        std::unique_lock lock(m);
        if (!done.wait_for(lock, bound, [&] { return finished; })) {
            std::fflush(stdout);  // what was reported before it
            std::fprintf(stderr, "%s did not return within %lld s: a hang\n", what,
                         static_cast<long long>(bound.count()));
            std::fflush(stderr);
            TerminateProcess(GetCurrentProcess(), 3);
        }
    });
    struct Release {
        std::mutex& m;
        std::condition_variable& done;
        bool& finished;
        std::thread& watchdog;
        ~Release() {
            {
                std::lock_guard lock(m);
                finished = true;
            }
            done.notify_one();
            watchdog.join();
        }
    } release{m, done, finished, watchdog};
    body(context);
}

}  // namespace servertest
