#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace points {

// The ordered point lines of one press; the only carrier of points from reading to drawing.
// Its count and indexes are 16-bit, so it holds at most 32,767 lines.
class PointList {
  public:
    static constexpr std::int16_t kMaxLines = 32767;

    void clear();
    // Throws ProgramFailure when the list is full; the lines already held stay.
    void append(std::string line);
    std::int16_t count() const;
    // Throws ProgramFailure for an index outside 0 .. count - 1.
    const std::string& lineAt(std::int16_t index) const;

  private:
    std::vector<std::string> lines_;
};

}  // namespace points
