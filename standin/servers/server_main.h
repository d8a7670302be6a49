#pragma once

#include <optional>

#include "standin/servers/registration.h"

namespace standin::servers {

// /regserver and /unregserver: registers or unregisters, tells the user what it did on the
// console it was started from, and gives the exit code. Any other command line runs the server
// (nullopt).
std::optional<int> handleRegistration(const ServerEntry& entry, int argc, char** argv);

// The message loop of the server's thread, which also carries the calls of other processes.
int runMessageLoop();

}  // namespace standin::servers
