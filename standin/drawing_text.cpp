#include "standin/drawing_text.h"

#include <cstdio>
#include <map>
#include <utility>

namespace standin {
namespace {

const char* kindName(EntityKind kind) {
    switch (kind) {
        case EntityKind::Sphere:
            return "sphere";
        case EntityKind::Circle:
            return "circle";
        case EntityKind::Spline:
            return "spline";
        case EntityKind::Solid:
            return "solid";
        case EntityKind::InterferenceSolid:
            return "interference solid";
    }
    return "entity";
}

std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

std::string numbers(const double* values, std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        if (i) text += ' ';
        text += number(values[i]);
    }
    return text;
}

}  // namespace

std::vector<std::string> drawingLines(const Drawing& drawing) {
    std::vector<std::string> lines;
    for (const auto& e : drawing.entities()) {
        std::string line = kindName(e->kind);
        line += " centre " + numbers(e->centre.data(), 3) + " radius " + number(e->radius);
        line += " spline [" + numbers(e->splinePoints.data(), e->splinePoints.size()) + "]";
        line += " start " + numbers(e->splineStart.data(), 3);
        line += " end " + numbers(e->splineEnd.data(), 3);
        line += " volume " + number(e->volume);
        line += " mark " + (e->markCode ? std::to_string(*e->markCode) : std::string("none"));
        line += e->finished ? " finished" : " open";
        if (e->discarded) line += " discarded";
        lines.push_back(std::move(line));
    }
    return lines;
}

std::vector<std::string> drawingSummary(const Drawing& drawing) {
    std::map<std::pair<std::string, std::string>, int> counts;
    for (const auto& e : drawing.entities()) {
        if (e->discarded) continue;
        const std::string mark = e->markCode ? std::to_string(*e->markCode) : "none";
        ++counts[{kindName(e->kind), mark}];
    }
    std::vector<std::string> lines;
    for (const auto& [key, n] : counts)
        lines.push_back(std::to_string(n) + " " + key.first + (n == 1 ? "" : "s") +
                        ", marker code " + key.second);
    return lines;
}

}  // namespace standin
