#pragma once

#include <exception>
#include <string>

namespace app {

// Runs one of the window's actions. The actions report their own failures in the window; any
// other failure must not end the program either, so its text comes back for a message box
// (empty when there was none).
template <class Action>
std::string unexpectedFailureOf(Action&& action) {
    try {
        action();
    } catch (const std::exception& failure) {
        return failure.what();
    }
    return {};
}

}  // namespace app
