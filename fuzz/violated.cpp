#include <cstdio>
#include <cstdlib>

#include "fuzz/fuzz_input.h"

namespace fuzz {

void violated(const char* property, const std::string& detail) {
    std::fprintf(stderr, "property violated: %s: %s\n", property, detail.c_str());
    std::abort();
}

}  // namespace fuzz
