#include "app/viewer/marker_colours.h"

namespace app {
namespace {

const QColor unmarked(40, 110, 220);
const QColor clear(20, 160, 60);
const QColor meets(220, 30, 30);
const QColor otherCode(160, 70, 200);

}  // namespace

QColor markerColour(std::optional<std::int32_t> markCode) {
    if (!markCode) return unmarked;
    if (*markCode == 1) return clear;
    if (*markCode == 3) return meets;
    return otherCode;
}

std::vector<LegendEntry> legendEntries() {
    return {{clear, QStringLiteral("1: tolerance spheres clear of the part")},
            {meets, QStringLiteral("3: a tolerance sphere meets the part")},
            {otherCode, QStringLiteral("other marker code")},
            {unmarked, QStringLiteral("unmarked")}};
}

QColor solidColour() { return {70, 70, 70}; }

QColor splineColour() { return {230, 140, 0}; }

}  // namespace app
