#include "animation/AnimationRun.h"
#include "animation/DrawingSurface.h"
#include "animation/Pace.h"
#include "animation/SceneSetup.h"
#include "app/Vlnokres.h"

#include <QApplication>
#include <QPushButton>
#include <QScrollBar>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <chrono>
#include <cstdlib>

using namespace vlnokres;

namespace {

const SecondSinusoid kDefaults{25, 1, 90};

struct NoPause final : Pacer {
    void start() override {}
    bool waitUntil(std::chrono::nanoseconds) override { return true; }
    void finish() override {}
};

double processCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval &t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Drawing cost of a whole run with no pauses, reported per step. Target: at most 20 µs.
void drawingPerStep(benchmark::State &state)
{
    Vlnokres window;
    DrawingSurface surface(window, Vlnokres::kClientSize);
    NoPause pacer;
    for (auto _ : state) {
        surface.draw(sceneSetup());
        runAnimation(kDefaults, std::chrono::nanoseconds(0), surface, pacer);
    }
    // Seconds per step, printed with its SI prefix (12u is 12 µs).
    state.counters["per_step"] =
        benchmark::Counter(kSteps, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(drawingPerStep)->Unit(benchmark::kMillisecond);

// A real run: "Start" clicked on a shown window at slowdown S, paced by the window's own pacer.
// Targets: wall time within 3 % of 1.3 s × S², and at S = 1 a CPU time of at most a quarter of
// the wall time.
void pacedRun(benchmark::State &state)
{
    const int slowdown = int(state.range(0));
    Vlnokres window;
    window.findChild<QScrollBar *>(QStringLiteral("HScroll1"))->setValue(slowdown);
    auto *start = window.findChild<QPushButton *>(QStringLiteral("cmdAnimace"));
    window.show();
    QCoreApplication::processEvents();
    const auto expected = std::chrono::duration<double>(kSteps * pausePerStep(slowdown)).count();
    double wall = 0;
    double cpu = 0;
    for (auto _ : state) {
        const double cpuBefore = processCpuSeconds();
        const auto before = std::chrono::steady_clock::now();
        start->click();
        wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - before).count();
        cpu = processCpuSeconds() - cpuBefore;
        state.SetIterationTime(wall);
    }
    state.counters["wall_s"] = wall;
    state.counters["expected_s"] = expected;
    state.counters["error_pct"] = 100 * (wall - expected) / expected;
    state.counters["cpu_share_pct"] = 100 * cpu / wall;
}
BENCHMARK(pacedRun)->Arg(1)->Arg(2)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
