#pragma once

#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

#include "com/dispatch.h"

namespace servertest {

// The stand-in server executables of this build, run as separate processes the way the real
// applications run: registration, starting and ending the CAD stand-in, killing either, and the
// control object each puts into the running object table.
class ServerProcesses {
  public:
    // The folder of the servers this run drives: those of this build, or those the environment
    // variable CMM_POINTS_SERVER_DIR names (the other bitness's build).
    static std::string serverDir();
    static std::wstring cmmImage();
    static std::wstring cadImage();
    // 32 or 64: the bitness of a running process.
    static int bitnessOf(HANDLE process);
    // The registry view the servers register their classes in (KEY_WOW64_32KEY or
    // KEY_WOW64_64KEY), which is the view of their bitness.
    static REGSAM serverView();

    // Runs `image argument` and gives its exit code; fails the test when it does not end in time.
    static DWORD run(const std::wstring& image, const std::wstring& argument);
    static void registerBoth();
    static void unregisterBoth();

    ServerProcesses() = default;
    ServerProcesses(const ServerProcesses&) = delete;
    ServerProcesses& operator=(const ServerProcesses&) = delete;
    // Ends what the test left running.
    ~ServerProcesses();

    // Starts the CAD stand-in and waits until it is in the running object table.
    void startCad();
    // Asks the CAD stand-in to close as its user would, and waits for its end.
    void quitCad();
    void killCad();
    bool cadRunning() const;
    HANDLE cadProcess() const { return cad_.hProcess; }

    // The measurement stand-in process COM started, found through its control object.
    DWORD cmmProcess();
    void killCmm();
    // Wine keeps the class registration of a local server that was killed and hands it out
    // again instead of starting a new server (Windows starts a new one). A restarted server is
    // therefore registered under a fresh class that the ProgID names from then on; it serves the
    // class the ProgID names. Restored before the registration is removed.
    static void serveCmmUnderAFreshClass();
    static void restoreCmmClass();

    // Keys under HKEY_CLASSES_ROOT of this Wine prefix, as an installed application writes them;
    // `view` picks the 32- or 64-bit registry view (KEY_WOW64_32KEY, KEY_WOW64_64KEY), 0 this
    // program's own.
    static void writeClassesText(const std::string& path, const std::string& value,
                                 const char* name = nullptr, REGSAM view = 0);
    static std::string readClassesText(const std::string& path, const char* name = nullptr,
                                       REGSAM view = 0);
    static void removeClassesKey(const std::string& path, REGSAM view = 0);
    // True when the process has ended within the bound.
    static bool endsWithin(DWORD processId, std::chrono::milliseconds bound);

    // The control objects; a failure when the server is not running.
    static ::com::Dispatch cadControl();
    static ::com::Dispatch cmmControl();
    // The CAD stand-in's drawing, one line an entity.
    std::vector<std::string> cadDrawing();

  private:
    PROCESS_INFORMATION cad_{};
};

// Fails the whole run when `body` has not returned within the bound: a server that hangs must
// not hold the suite.
void withinBound(std::chrono::seconds bound, const char* what, void (*body)(void*), void* context);
template <class Body>
void withinBound(std::chrono::seconds bound, const char* what, Body&& body) {
    withinBound(
        bound, what, [](void* c) { (*static_cast<Body*>(c))(); }, &body);
}

}  // namespace servertest
