#pragma once

#include <QColor>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace app {

// What a marker's colour means, in the order the legend lists it.
struct LegendEntry {
    QColor colour;
    QString text;
};

// The colour of a marker with this code; the tolerance check's two outcomes stand out most.
QColor markerColour(std::optional<std::int32_t> markCode);

std::vector<LegendEntry> legendEntries();

// Outlines of the part's own solids and the spline, kept apart from every marker colour.
QColor solidColour();
QColor splineColour();

}  // namespace app
