#include "com/failure_cause.h"

#include <tlhelp32.h>

#include <algorithm>
#include <cwctype>

#include "com/hresult_failure.h"
#include "windows/wide_text.h"

namespace com {

namespace {

// The HRESULTs of the RPC layer's own failures (FACILITY_WIN32 over an RPC status).
constexpr HRESULT kRpcServerUnavailable = static_cast<HRESULT>(0x800706BA);
constexpr HRESULT kRpcCallFailed = static_cast<HRESULT>(0x800706BE);
constexpr HRESULT kRpcCallFailedNotExecuted = static_cast<HRESULT>(0x800706BF);

constexpr bool isThisProgram64Bit = sizeof(void*) == 8;

// The registry view of the other bitness; on a 32-bit Windows there is none and the flag is
// ignored, so the "other" view is this one.
constexpr REGSAM kOtherView = isThisProgram64Bit ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;

bool hasClassesKey(const std::string& key, REGSAM view) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, win::toWide(key).c_str(), 0, KEY_READ | view, &opened) !=
        ERROR_SUCCESS)
        return false;
    RegCloseKey(opened);
    return true;
}

std::wstring classesText(const std::string& key, REGSAM view) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, win::toWide(key).c_str(), 0, KEY_READ | view, &opened) !=
        ERROR_SUCCESS)
        return {};
    wchar_t text[1024];
    DWORD size = sizeof text;
    const LSTATUS read = RegGetValueW(opened, nullptr, nullptr,
                                      RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ, nullptr, text, &size);
    RegCloseKey(opened);
    return read == ERROR_SUCCESS ? std::wstring(text) : std::wstring();
}

Elevation elevationOf(HANDLE process) {
    HANDLE token = nullptr;
    if (!OpenProcessToken(process, TOKEN_QUERY, &token)) return Elevation::Unknown;
    TOKEN_ELEVATION elevation{};
    DWORD size = 0;
    const BOOL read =
        GetTokenInformation(token, TokenElevation, &elevation, sizeof elevation, &size);
    CloseHandle(token);
    if (!read) return Elevation::Unknown;
    return elevation.TokenIsElevated ? Elevation::Full : Elevation::Limited;
}

bool sameName(const std::wstring& a, const std::wstring& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](wchar_t x, wchar_t y) { return std::towlower(x) == std::towlower(y); });
}

// The first mismatch between this program and a process of `image` in this session.
std::string runningElevationHint(const std::wstring& image) {
    const Elevation ours = elevationOf(GetCurrentProcess());
    DWORD ourSession = 0;
    ProcessIdToSessionId(GetCurrentProcessId(), &ourSession);
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return {};
    std::string hint;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more && hint.empty();
         more = Process32NextW(snapshot, &entry)) {
        DWORD session = 0;
        if (!sameName(entry.szExeFile, image) ||
            !ProcessIdToSessionId(entry.th32ProcessID, &session) || session != ourSession)
            continue;
        // A process this program may not even query counts as one it may not inspect.
        HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ProcessID);
        const Elevation theirs = process ? elevationOf(process) : Elevation::Unknown;
        if (process) CloseHandle(process);
        hint = elevationHint(image, ours, theirs);
    }
    CloseHandle(snapshot);
    return hint;
}

}  // namespace

std::string hintFor(HRESULT result) {
    switch (result) {
        case REGDB_E_CLASSNOTREG:
        case CO_E_CLASSSTRING:
        case CO_E_APPNOTFOUND:
        case REGDB_E_READREGDB:
            return "the application is not registered on this computer";
        case MK_E_UNAVAILABLE:
            return "the application is registered but not running";
        case CO_E_SERVER_EXEC_FAILURE:
            return "the application could not be started";
        case E_ACCESSDENIED:
            return "COM refused this program access to the application";
        case E_NOINTERFACE:
            return "the object does not answer to the interface this program needs";
        case RPC_E_CALL_REJECTED:
        case RPC_E_SERVERCALL_RETRYLATER:
            return "the application is busy and did not take the call";
        case RPC_E_CALL_CANCELED:
            return "the wait for the application was cancelled; it is not called again until the "
                   "next link to it";
        case RPC_E_DISCONNECTED:
        case RPC_E_SERVER_DIED:
        case RPC_E_SERVER_DIED_DNE:
        case RPC_E_CONNECTION_TERMINATED:
        case CO_E_OBJNOTCONNECTED:
        case kRpcServerUnavailable:
        case kRpcCallFailed:
        case kRpcCallFailedNotExecuted:
            return "the application stopped answering (it was closed or ended)";
        default:
            return {};
    }
}

std::string otherBitnessNote(const std::string& key) {
    if (hasClassesKey(key, 0) || !hasClassesKey(key, kOtherView)) return {};
    return isThisProgram64Bit ? "registered for 32-bit programs only, and CMM Points is 64-bit"
                              : "registered for 64-bit programs only, and CMM Points is 32-bit";
}

std::string interfaceHint(const IID& iid) {
    const std::string key = "Interface\\" + guidText(iid);
    if (hasClassesKey(key, 0)) return hintFor(E_NOINTERFACE);
    const std::string note = otherBitnessNote(key);
    if (!note.empty()) return "interface " + guidText(iid) + " is " + note;
    return "interface " + guidText(iid) +
           " is not registered on this computer (the application's type library is missing)";
}

std::string elevationHint(const std::wstring& image, Elevation ours, Elevation theirs) {
    if (ours == Elevation::Unknown || theirs == ours) return {};
    const std::string name = win::toUtf8(image);
    switch (theirs) {
        case Elevation::Unknown:
            return name +
                   " is running at an elevation CMM Points may not inspect, most likely as "
                   "administrator; COM keeps the two apart: run both the same way";
        case Elevation::Full:
            return name +
                   " is running as administrator and CMM Points is not; COM keeps the "
                   "two apart: run both the same way";
        case Elevation::Limited:
            return "CMM Points is running as administrator and " + name +
                   " is not; COM keeps the two apart: run both the same way";
    }
    return {};
}

std::wstring imageNameOf(const std::wstring& commandLine) {
    std::wstring path;
    const auto start = commandLine.find_first_not_of(L" \t");
    if (start == std::wstring::npos) return {};
    if (commandLine[start] == L'"') {
        const auto end = commandLine.find(L'"', start + 1);
        path = commandLine.substr(start + 1, end == std::wstring::npos ? end : end - start - 1);
    } else {
        // Unquoted: the path ends with ".exe", even where it holds spaces; else at the first blank.
        std::wstring lower = commandLine.substr(start);
        std::transform(lower.begin(), lower.end(), lower.begin(),
                       [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
        const auto exe = lower.find(L".exe");
        path = exe != std::wstring::npos ? commandLine.substr(start, exe + 4)
                                         : commandLine.substr(start, lower.find_first_of(L" \t"));
    }
    const auto slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

// COM never says that an application runs at another elevation: GetActiveObject finds nothing
// and activation is refused or starts a second instance. What Windows does let the program see
// is the application's registered server image running in this session as a process whose
// token this program may not open, or whose token's elevation (TokenElevation) differs from its
// own.
std::string activationHint(HRESULT result, const CLSID& application) {
    const std::string key = "CLSID\\" + guidText(application) + "\\LocalServer32";
    std::wstring server = classesText(key, 0);
    if (server.empty()) server = classesText(key, kOtherView);
    const std::wstring image = imageNameOf(server);
    if (!image.empty()) {
        const std::string hint = runningElevationHint(image);
        if (!hint.empty()) return hint;
    }
    return hintFor(result);
}

}  // namespace com
