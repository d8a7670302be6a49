// Reports the calls that cross to the stand-in servers per point of a press, for each marker
// option, and per command at start-up, each kind of call on its own, and times a press of 1,000
// points across processes. A report, not a test: it never fails on what it measures.
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "app/send_to_acad.h"
#include "app/startup.h"
#include "automation/com/apartment.h"
#include "automation/com/cad_connector.h"
#include "automation/com/cmm_connector.h"
#include "points/failure.h"
#include "standin/servers/tests/server_processes.h"
#include "view/memory_form.h"

namespace {

using automation::com::Dispatch;
using automation::com::Variant;
using servertest::ServerProcesses;

constexpr const char* kKinds[] = {"lookup", "invoke", "direct", "query", "release"};
constexpr int kScanPoints = 1000;
constexpr int kExtraCommands = 100;

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
    const Counts m = countsOf(ServerProcesses::measurementControl());
    const Counts c = countsOf(ServerProcesses::cadControl());
    Counts sum;
    for (int k = 0; k < 5; ++k) sum.of[k] = m.of[k] + c.of[k];
    return sum;
}

void resetBoth() {
    ServerProcesses::measurementControl().callByName("ResetCalls");
    ServerProcesses::cadControl().callByName("ResetCalls");
}

void addFeature(const std::string& id, int points) {
    std::vector<Variant> args;
    args.push_back(Variant::text(id));
    args.push_back(Variant::int32(points));
    ServerProcesses::measurementControl().callByName("AddFeature", std::move(args));
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

struct Window {
    view::MemoryForm form;
    app::WindowState state;
};

int indexOf(const view::MemoryForm& form, const std::string& id) {
    for (std::size_t i = 0; i < form.features.size(); ++i)
        if (form.features[i].id == id) return static_cast<int>(i);
    return -1;
}

}  // namespace

int main() {
    automation::com::Apartment apartment;
    ServerProcesses::registerBoth();
    {
        ServerProcesses servers;
        servers.startCad();
        automation::com::CmmConnector cmm;
        automation::com::CadConnector cad;
        try {
            // Keeps the measurement server running while the part program grows.
            const automation::Value keep = cmm.create();
            addFeature("F9001", kScanPoints);
            addFeature("F9002", 1);

            std::printf("%-28s %8s %8s %8s %8s %8s %10s\n", "calls crossing", "lookup", "invoke",
                        "direct", "query", "release", "sum of 4");
            // Start-up per command: the difference made by a hundred more commands.
            Window small;
            resetBoth();
            app::startUp(small.form, cmm, small.state);
            const Counts before = bothCounts();
            for (int i = 0; i < kExtraCommands; ++i) addFeature("P" + std::to_string(i), 0);
            Window large;
            resetBoth();
            app::startUp(large.form, cmm, large.state);
            printRow("start-up, per command", bothCounts() - before, kExtraCommands);

            // Per point: a press of the scan less a press of its one-point twin.
            const struct {
                const char* name;
                view::OptionButton option;
            } markers[] = {{"Circles, per point", view::OptionButton::Option1},
                           {"Spheres, per point", view::OptionButton::Option2},
                           {"Sphere Tolerance, per point", view::OptionButton::Option5}};
            double spheresSeconds = 0;
            for (const auto& marker : markers) {
                Counts pressed[2];
                for (int scan = 0; scan < 2; ++scan) {
                    Window w;
                    w.form = large.form;
                    w.form.selectFeatures({indexOf(w.form, scan ? "F9001" : "F9002")});
                    w.form.choose(marker.option);
                    w.form.texts[view::TextBox::Text3] = "0.05";
                    resetBoth();
                    const auto start = std::chrono::steady_clock::now();
                    app::sendToAcad(w.form, cmm, cad, w.state);
                    const std::chrono::duration<double> took =
                        std::chrono::steady_clock::now() - start;
                    pressed[scan] = bothCounts();
                    if (scan && marker.option == view::OptionButton::Option2)
                        spheresSeconds = took.count();
                    if (scan)
                        std::printf("  (press of %d points: %.2f s, status \"%s\")\n", kScanPoints,
                                    took.count(), w.form.label2.c_str());
                }
                printRow(marker.name, pressed[1] - pressed[0], kScanPoints - 1);
            }
            std::printf(
                "\nA \"Spheres\" press of %d points across processes took %.2f s "
                "(%.2f ms a point).\n",
                kScanPoints, spheresSeconds, spheresSeconds * 1000 / kScanPoints);
        } catch (const points::Failure& failure) {
            std::printf("the report stopped: %s\n", failure.what());
        }
    }
    ServerProcesses::unregisterBoth();
    return 0;
}
