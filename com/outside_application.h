#pragma once

#include <string_view>

namespace com {

// An outside application as the operator knows it: the name a busy dialog gives it, and the
// ProgID its class is registered under (which leads to the executable that runs it).
struct OutsideApplication {
    std::string_view name;
    const char* progId;
};

}  // namespace com
