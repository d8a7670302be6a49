#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace standin::servers {

// What a stand-in server executable registers: its own class, the real application's ProgID
// (only where no application has registered it), and the stand-ins' type library, which is built
// into the executable.
struct ServerEntry {
    CLSID ownClass;
    CLSID otherStandIn;  // the other stand-in's class, which shares the type library
    const char* progId;
    const char* description;
    bool localServer;  // COM starts it on activation
};

// Registration never harms a real installation: a ProgID, class or interface that an
// application has registered stays as it is, and unregistering removes only what a stand-in
// wrote. Each returns what it did, a line a step, for the user; a failure throws
// points::ProgramFailure.
std::vector<std::string> registerServer(const ServerEntry& entry, const std::wstring& image);
std::vector<std::string> unregisterServer(const ServerEntry& entry, const std::wstring& image);

// The class to serve under: the one the ProgID names, which is the stand-in's own where the
// stand-in registered it.
CLSID servedClass(const ServerEntry& entry);

// Removes a key of HKEY_CLASSES_ROOT with everything under it, in the given registry view
// (KEY_WOW64_32KEY, KEY_WOW64_64KEY; 0 for this program's own); a missing key is no failure.
void removeClassesTree(const std::string& path, REGSAM view = 0);

// The full path of this executable.
std::wstring thisImage();

}  // namespace standin::servers
