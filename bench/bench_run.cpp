#include "app/window/ControlNames.h"
#include "app/window/MainWindow.h"
#include "app/run/RasterSurface.h"
#include "core/AnimationRun.h"
#include "core/Pace.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <spawn.h>
#include <vector>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

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

// Drawing cost of a whole run with no pauses, reported per step, of the sum (0) and of the
// figure at right angles (1). Target: at most 20 µs.
void drawingPerStep(benchmark::State &state)
{
    MainWindow window;
    RasterSurface surface(window, MainWindow::kClientSize);
    NoPause pacer;
    SecondSinusoid second = kDefaults;
    second.perpendicular = state.range(0) != 0;
    for (auto _ : state) {
        runAnimation(second, std::chrono::nanoseconds(0), surface, pacer);
    }
    // Seconds per step, printed with its SI prefix (12u is 12 µs).
    state.counters["per_step"] =
        benchmark::Counter(kSteps, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(drawingPerStep)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A real run: "Start" clicked on a shown window of the given size at slowdown S, paced by the
// window's own pacer. Targets: wall time within 3 % of 1.3 s × S²; at S = 1 a CPU time of at
// most a quarter of the wall time at the designed size, a third full screen at 3840 × 2160.
void pacedRun(benchmark::State &state)
{
    const int slowdown = int(state.range(0));
    MainWindow window;
    window.findChild<QScrollBar *>(QString::fromUtf8(names::kPace))->setValue(slowdown);
    auto *start = window.findChild<QPushButton *>(QString::fromUtf8(names::kStart));
    window.resize(int(state.range(1)), int(state.range(2)));
    window.show();
    QCoreApplication::processEvents();
    const auto expected = std::chrono::duration<double>(kSteps * pausePerStep(slowdown)).count();
    double wall = 0;
    double cpu = 0;
    if (slowdown == 1)
        start->click(); // the figures are a later run's, as the sound's are
    for (auto _ : state) {
        const double cpuBefore = processCpuSeconds();
        const auto before = std::chrono::steady_clock::now();
        start->click();
        wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - before).count();
        cpu = processCpuSeconds() - cpuBefore;
        state.SetIterationTime(wall);
    }
    state.counters["zoom"] = window.zoom();
    state.counters["wall_s"] = wall;
    state.counters["expected_s"] = expected;
    state.counters["error_pct"] = 100 * (wall - expected) / expected;
    state.counters["cpu_share_pct"] = 100 * cpu / wall;
}
BENCHMARK(pacedRun)
    ->Args({1, 792, 573})
    ->Args({2, 792, 573})
    ->Args({1, 3840, 2160})
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// A finished run in a full-screen window at 3840 × 2160: painting the whole frame again, as
// after an exposure. Target: at most 8 ms.
void paintFullScreenFrame(benchmark::State &state)
{
    MainWindow window;
    window.resize(3840, 2160);
    window.show();
    QCoreApplication::processEvents();
    window.findChild<QPushButton *>(QString::fromUtf8(names::kStart))->click();
    for (auto _ : state)
        window.repaint();
}
BENCHMARK(paintFullScreenFrame)->Unit(benchmark::kMillisecond);

// The whole finished run drawn again at a new resolution, as when a window of 1584 × 1146
// goes full screen at 3840 × 2160 and back (0: each way, target at most 100 ms), or only the
// way to full screen (1: target at most 15 ms).
void redrawAtNewZoom(benchmark::State &state)
{
    MainWindow window;
    RasterSurface surface(window, MainWindow::kClientSize);
    NoPause pacer;
    runAnimation(kDefaults, std::chrono::nanoseconds(0), surface, pacer);
    const double full = 2160.0 / 573;
    const bool onlyToFull = state.range(0) == 1;
    bool large = false;
    for (auto _ : state) {
        large = !large;
        if (onlyToFull) {
            state.PauseTiming();
            surface.setPlacement({}, 2.0);
            state.ResumeTiming();
            large = true;
        }
        surface.setPlacement({}, large ? full : 2.0);
    }
    state.counters["operations"] = double(surface.ops().size());
}
BENCHMARK(redrawAtNewZoom)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The program started afresh with --render, from process start to the file written, for a
// whole run. Targets: PNG at most 250 ms, SVG 400 ms, PDF 500 ms; SVG and PDF at most 2 MB;
// the animated GIF at scale 1 at most 3 s and 3 MB. The beats heard at 100 periods (8: the
// PNG, 9: the GIF, 10: the SVG, 11: the PDF): the PNG at most 300 ms, the GIF 3 s, the SVG and
// the PDF 1 s and 3 MB each.
void renderFromTheCommandLine(benchmark::State &state)
{
    static const char *const kFiles[] = {"/tmp/vlnokres-bench.png", "/tmp/vlnokres-bench.svg", "/tmp/vlnokres-bench.pdf",
                                         "/tmp/vlnokres-bench.gif"};
    const long long kind = state.range(0);
    const char *file = kFiles[kind == 8 ? 0 : kind == 9 ? 3 : kind == 10 ? 1 : kind == 11 ? 2 : kind % 4];
    // From 4 on, with the readouts and the envelope: the same targets.
    std::vector<char *> argv{const_cast<char *>(VLNOKRES_BINARY), const_cast<char *>("--render"), const_cast<char *>(file)};
    if (kind >= 8)
        for (const char *word : {"--preset", "zazneje-slysitelne"})
            argv.push_back(const_cast<char *>(word));
    else if (kind >= 4)
        argv.push_back(const_cast<char *>("--values"));
    argv.push_back(nullptr);
    for (auto _ : state) {
        pid_t child = 0;
        if (posix_spawn(&child, VLNOKRES_BINARY, nullptr, nullptr, argv.data(), environ) != 0) {
            state.SkipWithError("cannot start the program");
            return;
        }
        int status = 0;
        waitpid(child, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("the program did not write the picture");
            return;
        }
    }
    struct stat written {};
    stat(file, &written);
    state.counters["file_kB"] = double(written.st_size) / 1024;
    std::remove(file);
}
BENCHMARK(renderFromTheCommandLine)->DenseRange(0, 11)->Unit(benchmark::kMillisecond);

// Reading a settings file as the program starts: what remembering the view adds to the
// start-up. Target: at most 5 ms.
void readSettings(benchmark::State &state)
{
    const QString path = QDir::temp().filePath(QStringLiteral("vlnokres-bench/vlnokres.conf"));
    Preferences kept{1.25, true, {}, QDir::homePath(), {}};
    kept.chosen.setUp.voice = sound::Voice::Sum;
    kept.chosen.setUp.baseTone = 440;
    kept.chosen.setUp.readouts = true;
    kept.chosen.setUp.colours = Colours::ColourBlind;
    SettingsFile(path).save(kept, {QStringLiteral("view/zoom"), QStringLiteral("view/fullScreen"), QStringLiteral("pictures/folder"),
                                   QStringLiteral("sound/voice"), QStringLiteral("sound/baseTone"), QStringLiteral("view/readouts"),
                                   QStringLiteral("view/colours")});
    for (auto _ : state)
        benchmark::DoNotOptimize(SettingsFile(path).load());
    QDir(QFileInfo(path).path()).removeRecursively();
}
BENCHMARK(readSettings)->Unit(benchmark::kMillisecond);

// Copying the picture of a whole run to the clipboard, as an image and as SVG. Target: 100 ms.
void copyToClipboard(benchmark::State &state)
{
    MainWindow window;
    window.findChild<QPushButton *>(QString::fromUtf8(names::kStart))->click();
    for (auto _ : state)
        window.pictureCommands().copy();
}
BENCHMARK(copyToClipboard)->Unit(benchmark::kMillisecond);

// The child of startUp: the program's window as main() makes it, on the offscreen platform.
// It says "painted" on its first paint, then runs the animation once at the start-up pace,
// so that its peak memory includes a whole run.
constexpr auto kChildFlag = "--first-frame-child";

class FirstPaint final : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_told) {
            m_told = true;
            QMetaObject::invokeMethod(this, [] {
                std::puts("painted");
                std::fflush(stdout);
            }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    bool m_told = false;
};

// The process's own peak resident memory. (A spawned child's ru_maxrss would also count the
// parent's memory, which the child shares until it starts the program.)
long peakResidentKb()
{
    FILE *status = std::fopen("/proc/self/status", "r");
    char line[256];
    long kb = -1;
    while (status && std::fgets(line, sizeof line, status))
        if (std::sscanf(line, "VmHWM: %ld kB", &kb) == 1)
            break;
    if (status)
        std::fclose(status);
    return kb;
}

int firstFrameChild()
{
    MainWindow window;
    // As the program starts, but with a file of the benchmark's own, which closing writes.
    window.restore(std::make_unique<SettingsFile>(QDir::temp().filePath(QStringLiteral("vlnokres-bench/start.conf"))));
    FirstPaint firstPaint;
    window.installEventFilter(&firstPaint);
    window.show();
    QTimer::singleShot(100, &window, [&window] {
        window.findChild<QPushButton *>(QString::fromUtf8(names::kStart))->click();
        window.close();
    });
    const int status = QApplication::exec();
    std::printf("peak_kB %ld\n", peakResidentKb());
    return status;
}

// From process start to the first painted frame, offscreen, and the program's peak resident
// memory through a whole run. Targets: at most 250 ms and 60 MB.
void startUp(benchmark::State &state)
{
    double firstFrameMs = 0;
    double peakMb = 0;
    for (auto _ : state) {
        int out[2];
        if (pipe(out) != 0) {
            state.SkipWithError("no pipe");
            return;
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        char self[4096] = {};
        if (readlink("/proc/self/exe", self, sizeof self - 1) < 0) {
            state.SkipWithError("cannot find the benchmark's own path");
            return;
        }
        char *childArgv[] = {self, const_cast<char *>(kChildFlag), nullptr};
        const auto before = std::chrono::steady_clock::now();
        pid_t child = 0;
        const int spawned = posix_spawn(&child, self, &actions, nullptr, childArgv, environ);
        posix_spawn_file_actions_destroy(&actions);
        close(out[1]);
        if (spawned != 0) {
            close(out[0]);
            state.SkipWithError("cannot start the child");
            return;
        }
        char line[64] = {};
        FILE *fromChild = fdopen(out[0], "r");
        const bool painted = std::fgets(line, sizeof line, fromChild) && std::strncmp(line, "painted", 7) == 0;
        const auto paintedAt = std::chrono::steady_clock::now();
        long peakKb = -1;
        const bool measured = std::fgets(line, sizeof line, fromChild) && std::sscanf(line, "peak_kB %ld", &peakKb) == 1;
        std::fclose(fromChild);
        int status = 0;
        waitpid(child, &status, 0);
        if (!painted || !measured || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("the child did not paint or did not end well");
            return;
        }
        firstFrameMs += std::chrono::duration<double, std::milli>(paintedAt - before).count();
        peakMb = std::max(peakMb, peakKb / 1024.0);
    }
    state.counters["first_frame_ms"] = firstFrameMs / double(state.iterations());
    state.counters["peak_rss_MB"] = peakMb;
}
BENCHMARK(startUp)->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace

int longAxisChildMain(int argc, char **argv);

int main(int argc, char **argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], kChildFlag) == 0)
        return firstFrameChild();
    if (const int status = longAxisChildMain(argc, argv); status >= 0)
        return status;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
