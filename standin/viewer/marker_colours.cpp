#include "standin/viewer/marker_colours.h"

#include <algorithm>

namespace standin::viewer {
namespace {

const QColor clear(20, 160, 60);
const QColor meets(220, 30, 30);
const QColor otherCode(160, 70, 200);
const QColor unmarked(40, 110, 220);

}  // namespace

std::size_t legendIndex(std::optional<std::int32_t> markCode) {
    if (!markCode) return 3;
    if (*markCode == 1) return 0;
    if (*markCode == 3) return 1;
    return 2;
}

QColor legendColour(std::size_t index) {
    static const QColor colours[legendSize] = {clear, meets, otherCode, unmarked};
    return colours[std::min(index, legendSize - 1)];
}

QColor markerColour(std::optional<std::int32_t> markCode) {
    return legendColour(legendIndex(markCode));
}

std::vector<LegendEntry> legendEntries() {
    return {{clear, QStringLiteral("1: tolerance spheres clear of the part")},
            {meets, QStringLiteral("3: a tolerance sphere meets the part")},
            {otherCode, QStringLiteral("other marker code")},
            {unmarked, QStringLiteral("unmarked")}};
}

std::array<std::size_t, legendSize> legendCounts(const standin::Drawing& drawing) {
    std::array<std::size_t, legendSize> counts{};
    for (const auto& entity : drawing.entities()) {
        const bool marker = entity->kind == standin::EntityKind::Sphere ||
                            entity->kind == standin::EntityKind::Circle;
        if (marker && entity->finished && !entity->discarded)
            ++counts[legendIndex(entity->markCode)];
    }
    return counts;
}

QColor solidColour() { return {178, 186, 198}; }

QColor solidEdgeColour() { return {60, 66, 76}; }

QColor splineColour() { return {230, 140, 0}; }

}  // namespace standin::viewer
