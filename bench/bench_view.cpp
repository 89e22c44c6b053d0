#include "PausingPacer.h"
#include "app/picture/ReadoutText.h"
#include "app/window/ControlNames.h"
#include "app/window/MainWindow.h"

#include <QCoreApplication>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include <functional>

#include <sys/resource.h>

using namespace vlnokres;

namespace {

// A paused run full screen at 3840 × 2160, moved jump steps back and on again, each move
// drawn and then painted: at once (repaint), or as the event loop does (the posted updates).
void movePausedRun(benchmark::State &state, bool posted, int periods = 2)
{
    MainWindow window;
    window.setUp().change([periods](Chosen &c) { c.setUp.axis = {periods}; });
    const int steps = TimeAxis{periods}.steps();
    auto *pacer = new PausingPacer;
    pacer->run = &window.run();
    pacer->steps = steps;
    window.setPacer(std::unique_ptr<Pacer>(pacer));
    window.resize(3840, 2160);
    window.show();
    QCoreApplication::processEvents();
    const int jump = int(state.range(0));
    pacer->whenPaused = [&] {
        bool back = true;
        for (auto _ : state) {
            window.moveToStep(back ? steps - jump : steps);
            posted ? QCoreApplication::processEvents() : window.repaint();
            back = !back;
        }
        // What the points of the run kept for moving it cost, and the process at its peak.
        state.counters["kept_MB"] = double(window.surface().keptBytes()) / (1 << 20);
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        state.counters["peak_rss_MB"] = double(usage.ru_maxrss) / 1024;
    };
    window.findChild<QPushButton *>(QString::fromUtf8(names::kStart))->click();
}

// Moved to the first step and back to the last, or a step. Target: each within 4 ms;
// at most 64 MB kept for it, and 150 MB for the whole process.
void stepWhilePaused(benchmark::State &state) { movePausedRun(state, false); }
BENCHMARK(stepWhilePaused)->Arg(1)->Arg(kSteps - 1)->Unit(benchmark::kMillisecond);

// Through the application's own repaint path. Targets: at most 4 ms each, any direction (1: a
// step on and back, 50: Page Up and Down, 1299: Home and End).
void stepWhilePausedPosted(benchmark::State &state) { movePausedRun(state, true); }
BENCHMARK(stepWhilePausedPosted)->Arg(1)->Arg(50)->Arg(kSteps - 1)->Unit(benchmark::kMillisecond);

// The same on a run of 100 periods (65,000 steps): a step, a twenty-sixth of the run, and
// Home and End. Target: at most 33 ms each, any direction.
void stepWhilePausedLongAxis(benchmark::State &state) { movePausedRun(state, true, 100); }
BENCHMARK(stepWhilePausedLongAxis)->Arg(1)->Arg(2500)->Arg(64999)->Unit(benchmark::kMillisecond);

// A change by a drag, a key or the wheel: the finished picture of new values drawn and the
// updates processed, full screen. Targets: 8 ms at 1920 × 1080, 16 ms at 3840 × 2160; and the
// whole run's picture of the beats heard at 100 periods (65,000 steps), 100 ms at 1920 × 1080
// and 250 ms at 3840 × 2160. The last argument: 1 for the figure at right angles, whose
// finished picture is within the same 8 ms at 1920 × 1080.
void changeShown(benchmark::State &state)
{
    const bool perpendicular = state.range(3) != 0;
    const TimeAxis axis{int(state.range(2))};
    const double frequency = axis == TimeAxis{} ? 1 : 1.02;
    MainWindow window;
    window.resize(int(state.range(0)), int(state.range(1)));
    window.show();
    QCoreApplication::processEvents();
    window.findChild<QPushButton *>(QString::fromUtf8(names::kStart))->click();
    int phase = 0;
    for (auto _ : state) {
        phase = (phase + 15) % 180;
        window.run().show({{0.5, frequency, double(phase), false, perpendicular}, 1, axis});
        QCoreApplication::processEvents();
    }
}
BENCHMARK(changeShown)
    ->Args({1920, 1080, 2, 0})
    ->Args({3840, 2160, 2, 0})
    ->Args({1920, 1080, 100, 0})
    ->Args({3840, 2160, 100, 0})
    ->Args({1920, 1080, 2, 1})
    ->Unit(benchmark::kMillisecond);

// The readouts' words at a step, as they are written each time the window repaints them (about
// every 30 ms, once in 30 steps at the fastest pace, not at every step). Target: the share of
// a step at most 1 µs. For beats (0) and for a harmonic (1), whose range is the whole run's.
void readoutsAtAStep(benchmark::State &state)
{
    const Parameters parameters{0.5, state.range(0) ? 2.0 : 1.1, 90};
    int step = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(readoutLines(parameters, step));
        step = step % kSteps + 1;
    }
    state.counters["per_step_at_S1_us"] =
        benchmark::Counter(30, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(readoutsAtAStep)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
