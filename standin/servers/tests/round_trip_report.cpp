// Reports the calls that cross to the stand-in servers per point of a press, for each marker
// option, and per command at start-up, each kind of call on its own, and times a press of 1,000
// points across processes. A report, not a test: it never fails on what it measures.
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/form_engine.h"
#include "com/apartment.h"
#include "com/cad_connector.h"
#include "com/cmm_connector.h"
#include "points/program_failure.h"
#include "standin/cad.h"
#include "standin/cmm.h"
#include "standin/com/cad_server.h"
#include "standin/com/class_ids.h"
#include "standin/com/cmm_server.h"
#include "standin/servers/tests/server_processes.h"
#include "standin/testing/press_fixture.h"
#include "view/testing/memory_form.h"

namespace {

using ::com::Dispatch;
using ::com::Variant;
using servertest::ServerProcesses;

constexpr const char* kKinds[] = {"lookup", "invoke", "direct", "query", "release"};
constexpr int kCountedPoints = 100;
constexpr int kTimedPoints = 1000;
constexpr int kExtraCommands = 100;
// Far beyond what a start-up or a press of the report takes; one that has not ended by then hangs,
// and the report says so and ends instead of waiting with every process idle.
constexpr auto kStepBound = std::chrono::seconds(300);

void bounded(const char* what, const std::function<void()>& step) {
    servertest::withinBound(kStepBound, what, [&] { step(); });
}

struct Counts {
    long of[5] = {};
    Counts operator-(const Counts& other) const {
        Counts d;
        for (int k = 0; k < 5; ++k) d.of[k] = of[k] - other.of[k];
        return d;
    }
};

Counts countsOf(const Dispatch& control) {
    Counts c;
    for (int k = 0; k < 5; ++k) {
        std::vector<Variant> args;
        args.push_back(Variant::text(kKinds[k]));
        c.of[k] = control.callByName("Calls", std::move(args)).get().lVal;
    }
    return c;
}

// Both servers' calls since their last reset, summed.
Counts bothCounts() {
    const Counts m = countsOf(ServerProcesses::cmmControl());
    const Counts c = countsOf(ServerProcesses::cadControl());
    Counts sum;
    for (int k = 0; k < 5; ++k) sum.of[k] = m.of[k] + c.of[k];
    return sum;
}

void resetBoth() {
    ServerProcesses::cmmControl().callByName("ResetCalls");
    ServerProcesses::cadControl().callByName("ResetCalls");
}

void addFeature(const std::string& id, int points) {
    std::vector<Variant> args;
    args.push_back(Variant::text(id));
    args.push_back(Variant::int32(points));
    ServerProcesses::cmmControl().callByName("AddFeature", std::move(args));
}

void printRow(const char* what, const Counts& counts, double per) {
    double goal = 0;
    std::printf("%-28s", what);
    for (int k = 0; k < 5; ++k) {
        std::printf(" %8.2f", counts.of[k] / per);
        if (k < 4) goal += counts.of[k] / per;  // releases are listed, not part of the goal
    }
    std::printf(" %10.2f\n", goal);
}

// The window in memory over the COM client.
struct Window {
    Window(cmm::Connector& cmm, cad::Connector& cad) : engine(form, shell, cmm, cad) {}
    view::MemoryForm form;
    standin::testing::QuietShell shell;
    app::FormEngine engine;
};

int indexOf(const view::MemoryForm& form, const std::string& id) {
    for (std::size_t i = 0; i < form.features.size(); ++i)
        if (form.features[i].id == id) return static_cast<int>(i);
    return -1;
}

// Both servers' calls per point for each marker option and per command at start-up.
void reportCalls(cmm::Connector& cmm, cad::Connector& cad, const std::function<Counts()>& counts,
                 const std::function<void()>& reset, const std::function<void(int)>& addCommands,
                 const std::function<void()>& addScans) {
    std::printf("%-28s %8s %8s %8s %8s %8s %10s\n", "", "lookup", "invoke", "direct", "query",
                "release", "sum of 4");
    // Start-up per command: the difference a hundred more commands make.
    addScans();
    Window small(cmm, cad);
    reset();
    bounded("the start-up", [&] { small.engine.load(); });
    const Counts before = counts();
    addCommands(kExtraCommands);
    Window large(cmm, cad);
    reset();
    bounded("the start-up with more commands", [&] { large.engine.load(); });
    printRow("start-up, per command", counts() - before, kExtraCommands);

    // Per point: a press of the scan less a press of its one-point twin.
    const struct {
        const char* name;
        view::OptionButton option;
    } markers[] = {{"Circles, per point", view::OptionButton::Option1},
                   {"Spheres, per point", view::OptionButton::Option2},
                   {"Sphere Tolerance, per point", view::OptionButton::Option5}};
    for (const auto& marker : markers) {
        Counts pressed[2];
        for (int scan = 0; scan < 2; ++scan) {
            Window w(cmm, cad);
            w.form = large.form;
            w.form.selectFeatures({indexOf(w.form, scan ? "F9001" : "F9002")});
            w.form.choose(marker.option);
            w.form.texts[view::TextBox::Text3] = "0.05";
            reset();
            bounded(marker.name, [&] { w.engine.press(); });
            pressed[scan] = counts();
            if (w.form.label2 != small.form.label2)
                std::printf("  (the press ended with \"%s\")\n", w.form.label2.c_str());
        }
        printRow(marker.name, pressed[1] - pressed[0], kCountedPoints - 1);
    }
}

void addScansTo(standin::CmmState& state) {
    for (const auto& [id, n] : {std::pair<std::string, int>{"F9001", kCountedPoints},
                                {"F9002", 1},
                                {"F9003", kTimedPoints}}) {
        standin::PartCommand command{id, id + " =FEAT/SCAN", {}};
        for (int i = 0; i < n; ++i)
            command.points.push_back({10.0 + 0.1 * (i % 1000), 40.0, i % 2 ? 31.5 : 31.0});
        state.commands.push_back(std::move(command));
    }
}

}  // namespace

int main() {
    ::com::Apartment apartment;
    ::com::CmmConnector cmm;
    ::com::CadConnector cad;
    ServerProcesses::registerBoth();
    try {
        // In this process, every call reaches the server just as the program makes it.
        {
            auto measurement = std::make_shared<standin::CmmState>(standin::demoCmm());
            auto drawing = std::make_shared<standin::CadState>(standin::demoCad());
            standin::com::CmmServer cmmServer(std::make_shared<standin::CmmConnector>(measurement),
                                              standin::com::kCmmServerClass);
            standin::com::CadServer cadServer(std::make_shared<standin::CadConnector>(drawing),
                                              standin::com::kCadServerClass);
            const auto counts = [&] {
                Counts c;
                for (const standin::com::ServerControl* s :
                     {&cmmServer.control(), &cadServer.control()}) {
                    c.of[0] += s->calls.lookups;
                    c.of[1] += s->calls.invokes;
                    c.of[2] += s->calls.directs;
                    c.of[3] += s->calls.queries;
                    c.of[4] += s->calls.releases;
                }
                return c;
            };
            std::printf("Calls the servers receive, in the client's process:\n");
            reportCalls(
                cmm, cad, counts,
                [&] { cmmServer.control().calls = cadServer.control().calls = {}; },
                [&](int n) {
                    for (int i = 0; i < n; ++i)
                        measurement->commands.push_back(
                            {std::string("P").append(std::to_string(i)), "P", {}});
                },
                [&] { addScansTo(*measurement); });
        }

        // Across processes: the same press as the servers see it, with COM's own queries (one
        // more for each interface stub it builds) and releases among them, and timed.
        ServerProcesses servers;
        servers.startCad();
        const automation::Value keep = cmm.create();  // keeps the measurement server running
        std::printf("\nCalls the server processes receive:\n");
        reportCalls(
            cmm, cad, bothCounts, resetBoth,
            [](int n) {
                for (int i = 0; i < n; ++i)
                    addFeature(std::string("P").append(std::to_string(i)), 0);
            },
            [] {
                addFeature("F9001", kCountedPoints);
                addFeature("F9002", 1);
                addFeature("F9003", kTimedPoints);
            });

        Window w(cmm, cad);
        bounded("the start-up", [&] { w.engine.load(); });
        w.form.selectFeatures({indexOf(w.form, "F9003")});
        w.form.choose(view::OptionButton::Option2);
        const auto start = std::chrono::steady_clock::now();
        bounded("the timed press of 1,000 points", [&] { w.engine.press(); });
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        std::printf(
            "\nA \"Spheres\" press of %d points across processes: %.2f s (%.2f ms a "
            "point), status \"%s\", %zu point lines.\n",
            kTimedPoints, took.count(), took.count() * 1000 / kTimedPoints, w.form.label2.c_str(),
            static_cast<std::size_t>(w.engine.points().count()));
    } catch (const points::ProgramFailure& failure) {
        std::printf("the report stopped: %s\n", failure.what());
    }
    ServerProcesses::unregisterBoth();
    return 0;
}
