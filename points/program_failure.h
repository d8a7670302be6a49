#pragma once

#include <stdexcept>
#include <string>

namespace points {

// Every failing call of the program raises this: an outside application's call, a conversion,
// a 16-bit overflow, a refused request. The handler in force decides how it is reported.
class ProgramFailure : public std::runtime_error {
  public:
    explicit ProgramFailure(const std::string& what) : std::runtime_error(what) {}
};

}  // namespace points
