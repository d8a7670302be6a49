#include "com/application_window.h"

#include <string>

#include "windows/wide_text.h"

namespace com {

namespace {

// A window the operator can switch to: visible and owned by no other.
bool isMainWindow(HWND window) { return IsWindowVisible(window) && !GetWindow(window, GW_OWNER); }

BOOL CALLBACK firstMainWindow(HWND window, LPARAM found) {
    if (!isMainWindow(window)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

std::wstring fileNameOf(std::wstring path) {
    const auto slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

// The executable's file name in a LocalServer32 entry: quoted or not, arguments after it.
std::wstring registeredExecutable(const char* progId) {
    CLSID clsid{};
    if (FAILED(CLSIDFromProgID(win::toWide(progId).c_str(), &clsid))) return {};
    wchar_t classText[40]{};
    StringFromGUID2(clsid, classText, 40);
    const std::wstring key = std::wstring(L"CLSID\\") + classText + L"\\LocalServer32";
    wchar_t entry[MAX_PATH * 2]{};
    DWORD size = sizeof entry;
    if (RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, entry,
                     &size) != ERROR_SUCCESS)
        return {};
    std::wstring command(entry);
    std::wstring path;
    if (!command.empty() && command.front() == L'"') {
        path = command.substr(1, command.find(L'"', 1) - 1);
    } else {
        const auto exe = command.find(L".exe");
        path = exe == std::wstring::npos ? command : command.substr(0, exe + 4);
    }
    return fileNameOf(path);
}

std::wstring imageNameOf(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    HANDLE handle = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process);
    if (!handle) return {};
    wchar_t path[MAX_PATH * 2]{};
    DWORD length = MAX_PATH * 2;
    const bool known = QueryFullProcessImageNameW(handle, 0, path, &length);
    CloseHandle(handle);
    return known ? fileNameOf(std::wstring(path, length)) : std::wstring();
}

struct Search {
    std::wstring image;
    HWND found = nullptr;
};

BOOL CALLBACK mainWindowOfImage(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<Search*>(context);
    if (!isMainWindow(window) || GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId())
        return TRUE;
    if (CompareStringOrdinal(imageNameOf(window).c_str(), -1, search.image.c_str(), -1, TRUE) !=
        CSTR_EQUAL)
        return TRUE;
    search.found = window;
    return FALSE;
}

}  // namespace

HWND applicationWindow(HTASK callee, const OutsideApplication& application) {
    HWND found = nullptr;
    // An HTASK of a 32-bit COM server is the identifier of its thread.
    if (callee)
        EnumThreadWindows(static_cast<DWORD>(reinterpret_cast<UINT_PTR>(callee)), firstMainWindow,
                          reinterpret_cast<LPARAM>(&found));
    if (found || !application.progId) return found;
    Search search{registeredExecutable(application.progId)};
    if (!search.image.empty()) EnumWindows(mainWindowOfImage, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool bringForward(HTASK callee, const OutsideApplication& application) {
    HWND window = applicationWindow(callee, application);
    if (!window) return false;
    // Not ShowWindow: for another thread's window it waits until that thread answers, and the
    // application's may be the one that is stuck.
    if (IsIconic(window)) ShowWindowAsync(window, SW_RESTORE);
    SetForegroundWindow(GetLastActivePopup(window));
    return true;
}

}  // namespace com
