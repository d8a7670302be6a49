// The interference check of the CAD stand-in: the time of one sphere-against-solid volume, which a
// tolerance press pays up to twice per point.
#include <benchmark/benchmark.h>

#include <cmath>

#include "standin/geometry.h"

namespace {

using standin::geometry::Box;
using standin::geometry::Cylinder;
using standin::geometry::intersectionVolume;

// A press checks thousands of points, most of them on the part's faces and edges.
void BM_IntersectionVolumeOnFacesAndEdges(benchmark::State& state) {
    const Box block{{0, 0, 0}, {120, 80, 30}};
    const Cylinder pin{{-20, 40, 0}, 6, 40};
    int i = 0;
    double total = 0.0;
    for (auto _ : state) {
        const double t = (i++ % 2000) * 0.01;
        total += intersectionVolume({{120.5 - std::fmod(t, 1.0), 0.3 + t, 29.6}, 1.1}, block);
        total += intersectionVolume({{-13.5, 40, std::fmod(t, 45.0)}, 1.1}, pin);
        benchmark::DoNotOptimize(total);
    }
    if (total <= 0.0) state.SkipWithError("the spheres never met the solids");
    state.SetItemsProcessed(2 * state.iterations());
    state.counters["time_per_check"] =
        benchmark::Counter(2.0 * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_IntersectionVolumeOnFacesAndEdges)->Unit(benchmark::kMicrosecond);

}  // namespace
