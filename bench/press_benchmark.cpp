// Whole presses and start-ups through the embedded stand-ins, reporting the time per point and
// how many calls each outside application receives per point.
#include <benchmark/benchmark.h>

#include "app/form_engine.h"
#include "standin/testing/press_fixture.h"

namespace {

using standin::testing::PressFixture;

constexpr int kPoints = 32767;

void reportPerPoint(benchmark::State& state, const PressFixture& f, double points) {
    const double runs = static_cast<double>(state.iterations());
    state.counters["points"] = points;
    state.counters["time_per_point"] = benchmark::Counter(
        runs * points, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["cmm_calls_per_point"] = f.cmm->faults.totalCalls() / (runs * points);
    state.counters["cad_calls_per_point"] = f.cad->faults.totalCalls() / (runs * points);
}

void pressOneFeature(benchmark::State& state, view::OptionButton marker, bool spline) {
    PressFixture f;
    std::vector<points::Point3> measured;
    for (int i = 0; i < kPoints; ++i) measured.push_back({i * 0.01, 20.5 - i * 0.001, 3.25});
    f.addFeature("F1", measured);
    f.form.selectFeatures({0});
    f.form.choose(marker);
    f.form.checks[view::CheckBox::Check4] = spline ? 1 : 0;
    for (auto _ : state) {
        state.PauseTiming();
        f.cad->drawing = standin::Drawing();
        state.ResumeTiming();
        f.press();
    }
    if (f.cad->drawing.entities().empty()) state.SkipWithError("nothing was drawn");
    reportPerPoint(state, f, kPoints);
}

void BM_PressSpheres(benchmark::State& state) {
    pressOneFeature(state, view::OptionButton::Option2, false);
}
BENCHMARK(BM_PressSpheres)->Unit(benchmark::kMillisecond);

void BM_PressCirclesWithSpline(benchmark::State& state) {
    pressOneFeature(state, view::OptionButton::Option1, true);
}
BENCHMARK(BM_PressCirclesWithSpline)->Unit(benchmark::kMillisecond);

void BM_StartUp(benchmark::State& state) {
    constexpr int kCommands = 5000;
    PressFixture f;
    for (int i = 0; i < kCommands; ++i) {
        f.cmm->commands.push_back({(i % 3 ? "F" : "PLN") + std::to_string(i), "FEAT", {}});
    }
    for (auto _ : state) {
        view::MemoryForm form;
        app::FormEngine window(form, f.shell, f.cmmConnector, f.cadConnector);
        window.load();
        benchmark::DoNotOptimize(form.features.size());
    }
    reportPerPoint(state, f, kCommands);
}
BENCHMARK(BM_StartUp)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
