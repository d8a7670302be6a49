#pragma once

#include <QColor>
#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "standin/drawing.h"

namespace standin::viewer {

// What a marker's colour means, in the order the legend lists it.
struct LegendEntry {
    QColor colour;
    QString text;
};

// The legend's entries: marker code 1, marker code 3, any other code, no code.
constexpr std::size_t legendSize = 4;
std::size_t legendIndex(std::optional<std::int32_t> markCode);

// The colour of a marker with this code; the tolerance check's two outcomes stand out most.
QColor markerColour(std::optional<std::int32_t> markCode);
QColor legendColour(std::size_t index);

std::vector<LegendEntry> legendEntries();

// How many of the points' own markers (the finished spheres and circles) carry each legend
// entry's codes; the tolerance spheres drawn on the way are not counted.
std::array<std::size_t, legendSize> legendCounts(const standin::Drawing& drawing);

// The part's own solids, their edges and the spline, kept apart from every marker colour.
QColor solidColour();
QColor solidEdgeColour();
QColor splineColour();

}  // namespace standin::viewer
