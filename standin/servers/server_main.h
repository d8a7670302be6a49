#pragma once

#include <windows.h>

#include <optional>

#include "com/com_ptr.h"
#include "standin/servers/registration.h"

namespace standin::servers {

// /regserver and /unregserver: registers or unregisters, tells the user what it did on the
// console it was started from, and gives the exit code. Any other command line runs the server
// (nullopt).
std::optional<int> handleRegistration(const ServerEntry& entry, int argc, char** argv);

// The stand-ins' type library as the system's marshaller loads it, to be held while the server
// runs: Wine frees a library no one holds and loads it anew for every object it marshals. Null
// when it is not registered.
::com::ComPtr<ITypeLib> holdTypeLibrary();

// The message loop of the server's thread, which also carries the calls of other processes.
int runMessageLoop();

}  // namespace standin::servers
