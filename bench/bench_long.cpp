#include "PausingPacer.h"
#include "app/window/ControlNames.h"
#include "app/window/MainWindow.h"
#include "core/VectorDrag.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QWheelEvent>

#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <string>

using namespace vlnokres;

// The long time axes, where the beats are: the finished picture of 100 periods (65,000 steps)
// as a drag, a key or the wheel changes it, and the memory it takes from run to run.
namespace {

constexpr auto kLongChildFlag = "--long-axis-child";

long residentKb(const char *field)
{
    FILE *status = std::fopen("/proc/self/status", "r");
    char line[256];
    long kb = -1;
    const std::size_t length = std::strlen(field);
    while (status && std::fgets(line, sizeof line, status))
        if (std::strncmp(line, field, length) == 0) {
            std::sscanf(line + length, " %ld", &kb);
            break;
        }
    if (status)
        std::fclose(status);
    return kb;
}

// The beats heard, at 100 periods, on a window of that size.
struct LongWindow {
    explicit LongWindow(QSize size)
    {
        window.setUp().change([](Chosen &c) {
            c.setUp.axis = {100};
            c.setUp.values = {1, 1.02, 0};
        });
        window.resize(size);
        window.show();
        QCoreApplication::processEvents();
        window.run().show({{1, 1.02, 0}, 1, {100}});
        QCoreApplication::processEvents();
    }
    MainWindow window;
};

// A second vector dragged by its tip for three seconds, the pointer moving every 20 ms, as a
// hand does: how many pictures of the values under it are shown a second. Target: at least 8.
void dragAtLongAxis(benchmark::State &state)
{
    LongWindow w({1920, 1080});
    MainWindow &window = w.window;
    int shown = 0;
    QObject::connect(&window.run(), &RunController::stepShown, &window, [&] { ++shown; });
    const auto place = [&](Point scene) {
        return QPointF(window.surface().shownArea().topLeft()) + QPointF(scene.x, scene.y) * window.zoom();
    };
    const Point tip = drag::secondTip(drag::Diagram::Upper, 1, 1.02, 0, TimeAxis{100}.steps());
    for (auto _ : state) {
        QMouseEvent press(QEvent::MouseButtonPress, place(tip), place(tip), QPointF(), Qt::LeftButton, Qt::LeftButton, {});
        QApplication::sendEvent(&window, &press);
        shown = 0;
        QElapsedTimer clock;
        clock.start();
        int moves = 0;
        QTimer hand;
        hand.setInterval(20);
        QObject::connect(&hand, &QTimer::timeout, &window, [&] {
            const double angle = 0.02 * ++moves;
            const Point at{tip.x + 10 * std::sin(angle), tip.y - 10 * std::cos(angle) + 10};
            QApplication::postEvent(&window, new QMouseEvent(QEvent::MouseMove, place(at), place(at), QPointF(),
                                                             Qt::NoButton, Qt::LeftButton, {}));
        });
        hand.start();
        while (clock.elapsed() < 3000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        hand.stop();
        QMouseEvent release(QEvent::MouseButtonRelease, place(tip), place(tip), QPointF(), Qt::LeftButton, Qt::NoButton, {});
        QApplication::sendEvent(&window, &release);
        QCoreApplication::processEvents();
        state.counters["pictures_per_s"] = shown / 3.0;
        state.counters["moves"] = moves;
    }
}
BENCHMARK(dragAtLongAxis)->Iterations(1)->Unit(benchmark::kMillisecond);

// Five hundred notches of the wheel over the phase box, as fast as a wheel sends them (one a
// millisecond): the longest the window is not there to answer, and how long after the last
// notch its picture shows. Targets: 0.5 s each.
void wheelAtLongAxis(benchmark::State &state)
{
    LongWindow w({1920, 1080});
    MainWindow &window = w.window;
    auto *phase = window.findChild<QLineEdit *>(QString::fromUtf8(names::kPhase));
    for (auto _ : state) {
        phase->setText(QStringLiteral("0"));
        QElapsedTimer clock, sinceAnswer;
        clock.start();
        sinceAnswer.start();
        qint64 longest = 0, lastNotch = 0;
        int notches = 0;
        QTimer wheel, answer;
        wheel.setInterval(1);
        // The notches a busy window has not taken yet wait in its queue, as the display's do.
        QObject::connect(&wheel, &QTimer::timeout, &window, [&] {
            while (notches < std::min<qint64>(500, clock.elapsed() + 1)) {
                ++notches;
                QApplication::postEvent(phase, new QWheelEvent(QPointF(5, 5), QPointF(), {}, QPoint(0, 120), Qt::NoButton,
                                                               {}, Qt::NoScrollPhase, false));
                lastNotch = clock.elapsed();
            }
            if (notches == 500)
                wheel.stop();
        });
        answer.setInterval(5);
        QObject::connect(&answer, &QTimer::timeout, &window, [&] {
            longest = std::max(longest, sinceAnswer.elapsed());
            sinceAnswer.restart();
        });
        wheel.start();
        answer.start();
        // The last notch's value is 500 · 15° on.
        const double last = 500 * 15;
        while (notches < 500 || window.run().lastRun()->parameters.phaseDegrees != last ||
               window.run().isFinishedPictureWaiting())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        state.counters["last_shown_ms"] = double(clock.elapsed() - lastNotch);
        state.counters["longest_unanswered_ms"] = double(longest);
    }
}
BENCHMARK(wheelAtLongAxis)->Iterations(1)->Unit(benchmark::kMillisecond);

// The child: the finished picture at 1920 × 1080, then ten rounds of runs, resizes and axis
// changes, telling the peak after the first and what is held after the tenth; or, at 3840 ×
// 2160, a paused run of 100 periods moved about, telling its peak.
int longAxisChild(bool moves)
{
    LongWindow w(moves ? QSize(3840, 2160) : QSize(1920, 1080));
    MainWindow &window = w.window;
    auto *start = window.findChild<QPushButton *>(QString::fromUtf8(names::kStart));
    auto *pacer = new PausingPacer;
    pacer->run = &window.run();
    pacer->steps = TimeAxis{100}.steps();
    window.setPacer(std::unique_ptr<Pacer>(pacer));
    if (moves) {
        pacer->whenPaused = [&] {
            for (const int step : {1, pacer->steps, pacer->steps - 2500, pacer->steps, pacer->steps - 1})
                window.moveToStep(step), QCoreApplication::processEvents();
        };
        start->click();
        std::printf("peak_kB %ld\n", residentKb("VmHWM:"));
        return 0;
    }
    start->click();
    const long afterFirst = residentKb("VmHWM:");
    for (int round = 0; round < 10; ++round) {
        window.resize(round % 2 ? QSize(1920, 1080) : QSize(1600, 900));
        window.setUp().change([round](Chosen &c) { c.setUp.axis = {round % 3 == 2 ? 20 : 100}; });
        QCoreApplication::processEvents();
        start->click();
        QCoreApplication::processEvents();
    }
    window.setUp().change([](Chosen &c) { c.setUp.axis = {100}; });
    window.resize(1920, 1080);
    start->click();
    QCoreApplication::processEvents();
    std::printf("peak_kB %ld\nheld_kB %ld\n", afterFirst, residentKb("VmRSS:"));
    return 0;
}

// What a child says, as numbers by their names.
bool runChild(const char *what, std::map<std::string, double> &said)
{
    int out[2];
    if (pipe(out) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    char self[4096] = {};
    if (readlink("/proc/self/exe", self, sizeof self - 1) < 0)
        return false;
    char *argv[] = {self, const_cast<char *>(kLongChildFlag), const_cast<char *>(what), nullptr};
    pid_t child = 0;
    const int spawned = posix_spawn(&child, self, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        return false;
    }
    FILE *from = fdopen(out[0], "r");
    char name[64];
    long value = 0;
    while (std::fscanf(from, "%63s %ld", name, &value) == 2)
        said[name] = double(value) / 1024;
    std::fclose(from);
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Peak memory at 100 periods: at most 120 MB at 1920 × 1080, and after ten runs, resizes and
// axis changes what is held is within 10 % of the peak after the first; at most 150 MB at
// 3840 × 2160 with a paused run moved about.
void longAxisMemory(benchmark::State &state)
{
    const bool moves = state.range(0) != 0;
    for (auto _ : state) {
        std::map<std::string, double> said;
        if (!runChild(moves ? "moves" : "rounds", said)) {
            state.SkipWithError("the child did not end well");
            return;
        }
        state.counters["peak_MB"] = said["peak_kB"];
        if (!moves) {
            state.counters["held_after_ten_MB"] = said["held_kB"];
            state.counters["growth_pct"] = 100 * (said["held_kB"] / said["peak_kB"] - 1);
        }
    }
}
BENCHMARK(longAxisMemory)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

// Run by bench_run's main() when the benchmark is started as its own child.
int longAxisChildMain(int argc, char **argv)
{
    if (argc < 3 || std::strcmp(argv[1], kLongChildFlag) != 0)
        return -1;
    return longAxisChild(std::strcmp(argv[2], "moves") == 0);
}
