#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "points/program_failure.h"

namespace comtest {

// The text of the failure a call raises; a test failure when it raises none.
inline std::string failureOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const points::ProgramFailure& failure) {
        return failure.what();
    }
    ADD_FAILURE() << "the call did not fail";
    return {};
}

}  // namespace comtest
