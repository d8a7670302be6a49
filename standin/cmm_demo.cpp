#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "standin/cmm.h"

namespace standin {

namespace {

// The demo part: a block from (0, 0, 0) to (120, 80, 30) mm.
constexpr double kLength = 120.0;
constexpr double kWidth = 80.0;
constexpr double kHeight = 30.0;
constexpr double kProbeRadius = 1.0;

enum class Face { Top, Front, Back, Left, Right };

// Deterministic so that the demo and its tests see the same points on every run.
class Deviations {
  public:
    // Between -0.03 and +0.12 mm, to the micron: most points near the surface, some well off it.
    double next() {
        state_ += 0x9E3779B97F4A7C15ull;
        std::uint64_t z = state_;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        z ^= z >> 31;
        const double unit = static_cast<double>(z >> 11) / 9007199254740992.0;
        return std::round((-0.03 + 0.15 * unit) * 1000.0) / 1000.0;
    }

  private:
    std::uint64_t state_ = 2024;
};

// The probe centre that touched the face at (u, v): out along the face normal by the probe
// radius plus the deviation. u and v are the face's own in-plane coordinates.
points::Point3 probeCentre(Face face, double u, double v, Deviations& deviations) {
    const double out = kProbeRadius + deviations.next();
    switch (face) {
        case Face::Top:
            return {u, v, kHeight + out};
        case Face::Front:
            return {u, -out, v};
        case Face::Back:
            return {u, kWidth + out, v};
        case Face::Left:
            return {-out, u, v};
        case Face::Right:
            return {kLength + out, u, v};
    }
    return {u, v, 0.0};
}

struct Touch {
    double u;
    double v;
};

std::vector<points::Point3> touches(Face face, const std::vector<Touch>& spots,
                                    Deviations& deviations) {
    std::vector<points::Point3> result;
    for (const auto& spot : spots) result.push_back(probeCentre(face, spot.u, spot.v, deviations));
    return result;
}

std::vector<Touch> grid(const std::vector<double>& us, const std::vector<double>& vs) {
    std::vector<Touch> result;
    for (double v : vs) {
        for (double u : us) result.push_back({u, v});
    }
    return result;
}

// Points around a circle, placed on the nearest half millimetre.
std::vector<Touch> ring(double cu, double cv, double radius, int count) {
    std::vector<Touch> result;
    for (int i = 0; i < count; ++i) {
        const double angle = 2.0 * 3.14159265358979323846 * i / count;
        result.push_back({std::round((cu + radius * std::cos(angle)) * 2.0) / 2.0,
                          std::round((cv + radius * std::sin(angle)) * 2.0) / 2.0});
    }
    return result;
}

// A linear scan over the top face, row by row, each row run the other way.
std::vector<Touch> zigZag() {
    std::vector<Touch> result;
    for (int row = 0; row < 8; ++row) {
        const double v = 10.0 + 8.0 * row;
        for (int i = 0; i < 50; ++i) {
            const int step = row % 2 == 0 ? i : 49 - i;
            result.push_back({10.0 + 2.0 * step, v});
        }
    }
    return result;
}

}  // namespace

CmmState demoCmm() {
    CmmState state;
    state.machineName = "Demo CMM 7.10";
    state.probeRadius = kProbeRadius;

    Deviations dev;
    auto& c = state.commands;
    c.push_back({"ALN1", "ALN1 =ALIGNMENT/START,RECALL:STARTUP,LIST=YES", {}});
    c.push_back({"PLN1", "PLN1 =FEAT/PLANE,CARTESIAN,TRIANGLE,NO",
                 touches(Face::Top, {{10, 10}, {110, 10}, {110, 70}, {10, 70}}, dev)});
    c.push_back({"F1", "F1 =FEAT/SET,CARTESIAN",
                 touches(Face::Top, grid({20, 45, 70, 95}, {25, 55}), dev)});
    c.push_back(
        {"FA", "FA =FEAT/SET,CARTESIAN", touches(Face::Top, {{30, 40}, {60, 40}, {90, 40}}, dev)});
    c.push_back({"F2", "F2 =FEAT/POINT,CARTESIAN", touches(Face::Right, {{40, 15}}, dev)});
    c.push_back({"F3", "F3 =FEAT/SET,CARTESIAN",
                 touches(Face::Front, grid({15, 45, 75, 105}, {8, 15, 22}), dev)});
    c.push_back({"f4", "f4 =FEAT/SET,CARTESIAN",
                 touches(Face::Top, {{40, 20}, {80, 20}, {80, 60}, {40, 60}}, dev)});
    c.push_back({"F4", "F4 =FEAT/SCAN,LINEARCLOSE,NUMBER OF HITS=400,SHOW HITS=NO",
                 touches(Face::Top, zigZag(), dev)});
    c.push_back({"F5", "", touches(Face::Top, grid({30, 60, 90}, {20, 60}), dev)});
    c.push_back({"F6", "F6 =FEAT/SET,CARTESIAN",
                 touches(Face::Left, grid({10, 25, 40, 55, 70}, {10, 20}), dev)});
    c.push_back({"CIR1", "CIR1 =FEAT/CIRCLE,CARTESIAN,OUT,LEAST_SQR",
                 touches(Face::Top, ring(60, 40, 10, 8), dev)});
    c.push_back(
        {"F", "F =FEAT/SET,CARTESIAN", touches(Face::Back, grid({20, 60, 100}, {10, 20}), dev)});
    c.push_back({"F7", "F7 =FEAT/SET,CARTESIAN", touches(Face::Top, ring(60, 40, 20, 16), dev)});
    c.push_back({"F10", "F10 =FEAT/SET,CARTESIAN",
                 touches(Face::Top, grid({20, 36, 52, 68, 84, 100}, {16, 32, 48, 64}), dev)});
    return state;
}

}  // namespace standin
