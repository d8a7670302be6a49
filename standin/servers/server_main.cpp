#include "standin/servers/server_main.h"

#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

#include "standin/com/class_ids.h"

namespace standin::servers {

namespace {

bool is(const char* argument, const char* flag) {
    return (argument[0] == '/' || argument[0] == '-') && _stricmp(argument + 1, flag) == 0;
}

void tell(const std::string& line) {
    static const bool console = AttachConsole(ATTACH_PARENT_PROCESS) != 0;
    if (!console) return;
    const std::string text = line + "\r\n";
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text.data(), static_cast<DWORD>(text.size()),
              &written, nullptr);
}

}  // namespace

std::optional<int> handleRegistration(const ServerEntry& entry, int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const bool add = is(argv[i], "regserver");
        if (!add && !is(argv[i], "unregserver")) continue;
        try {
            const auto report =
                add ? registerServer(entry, thisImage()) : unregisterServer(entry, thisImage());
            for (const auto& line : report) tell(line);
            return 0;
        } catch (const std::exception& failure) {
            tell(failure.what());
            return 1;
        }
    }
    return std::nullopt;
}

::com::ComPtr<ITypeLib> holdTypeLibrary() {
    ::com::ComPtr<ITypeLib> library;
    LoadRegTypeLib(standin::com::kStandinTypeLibrary, 1, 0, LOCALE_NEUTRAL, library.receive());
    return library;
}

int runMessageLoop() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

}  // namespace standin::servers
