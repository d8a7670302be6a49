#include "points/point_list.h"

#include "points/program_failure.h"

namespace points {

void PointList::clear() { lines_.clear(); }

void PointList::append(std::string line) {
    if (lines_.size() >= static_cast<std::size_t>(kMaxLines)) {
        throw ProgramFailure("the point list is full");
    }
    lines_.push_back(std::move(line));
}

std::int16_t PointList::count() const { return static_cast<std::int16_t>(lines_.size()); }

const std::string& PointList::lineAt(std::int16_t index) const {
    if (index < 0 || index >= count()) throw ProgramFailure("no point line at this index");
    return lines_[static_cast<std::size_t>(index)];
}

}  // namespace points
