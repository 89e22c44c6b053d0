#include "app/sound/SoundProcess.h"
#include "app/window/ControlNames.h"
#include "app/window/MainWindow.h"
#include "core/Pace.h"
#include "core/StepOperations.h"
#include "core/ToneGenerator.h"

#include <QCoreApplication>
#include <QThread>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <chrono>
#include <cmath>
#include <vector>

using namespace vlnokres;

namespace {

constexpr int kRate = 48000;

// The generator alone: a second of the sum. Target: at least 200 times faster than real time.
void toneGenerator(benchmark::State &state)
{
    sound::ToneGenerator generator({sound::kDefaultBaseTone, 0.5, 1.5, 90}, sound::Voice::Sum, kRate);
    generator.fadeIn();
    std::vector<float> second(kRate);
    for (auto _ : state) {
        generator.generate(second.data(), second.size());
        benchmark::DoNotOptimize(second.data());
    }
    state.counters["times_real_time"] =
        benchmark::Counter(1, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(toneGenerator)->Unit(benchmark::kMillisecond);

// What reaches the sound server's sink, as its monitor records it (with parec, from the
// private server that scripts/bench.sh starts).
class Monitor
{
public:
    bool start()
    {
        m_parec.start(QStringLiteral("parec"), {"--device=vlnokres_test.monitor", "--rate=48000", "--channels=1",
                                               "--format=s16le", "--latency-msec=5"});
        return m_parec.waitForStarted() && m_parec.waitForReadyRead(5000);
    }
    // Reads what has come; the time the first audible sample arrived, if one has.
    void take()
    {
        const QByteArray bytes = m_parec.readAllStandardOutput();
        const auto *samples = reinterpret_cast<const qint16 *>(bytes.constData());
        for (qsizetype i = 0; i < bytes.size() / 2; ++i) {
            m_samples.push_back(samples[i]);
            if (!m_firstHeard && std::abs(samples[i]) > 300)
                m_firstHeard = std::chrono::steady_clock::now();
        }
    }
    std::optional<std::chrono::steady_clock::time_point> firstHeard() const { return m_firstHeard; }
    // Stretches of 5 ms without a sound between the first audible sample and the last: gaps
    // in a tone that should go on unbroken.
    int gaps()
    {
        constexpr std::size_t kWindow = kRate / 200;
        std::vector<bool> silent;
        for (std::size_t at = 0; at + kWindow <= m_samples.size(); at += kWindow) {
            int peak = 0;
            for (std::size_t i = at; i < at + kWindow; ++i)
                peak = std::max(peak, std::abs(int(m_samples[i])));
            silent.push_back(peak < 300);
        }
        const auto first = std::find(silent.begin(), silent.end(), false);
        const auto last = std::find(silent.rbegin(), silent.rend(), false).base();
        return first < last ? int(std::count(first, last, true)) : -1;
    }
    void stop()
    {
        m_parec.terminate();
        m_parec.waitForFinished();
    }

private:
    QProcess m_parec;
    std::vector<qint16> m_samples;
    std::optional<std::chrono::steady_clock::time_point> m_firstHeard;
};

double processCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval &t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Milliseconds from the request to play to the first sample heard at the sink, or a negative
// number where nothing is heard within 3 s. (The monitor's own latency, 5 ms or so, is counted
// in.)
double msToTheSink(SoundPlayer &output)
{
    Monitor monitor;
    if (!monitor.start())
        return -1;
    monitor.take();
    const auto asked = std::chrono::steady_clock::now();
    output.play({}, sound::Voice::First, std::chrono::milliseconds(300));
    while (!monitor.firstHeard() && std::chrono::steady_clock::now() - asked < std::chrono::seconds(3)) {
        QThread::msleep(1);
        QCoreApplication::processEvents();
        monitor.take();
    }
    monitor.stop();
    QThread::msleep(700); // until the tone has ended and the output rests
    return monitor.firstHeard() ? std::chrono::duration<double, std::milli>(*monitor.firstHeard() - asked).count() : -1;
}

// From Start's request to play to the first sample at the sink: the first time, when the
// output is opened, and afterwards. Target: at most 150 ms.
void soundStartLatency(benchmark::State &state)
{
    SoundProcess output(QStringLiteral(VLNOKRES_BINARY));
    const auto before = std::chrono::steady_clock::now();
    output.available();
    const double openMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - before).count();
    const double firstMs = msToTheSink(output);
    double totalMs = 0;
    for (auto _ : state) {
        const double ms = msToTheSink(output);
        if (ms < 0) {
            state.SkipWithError("nothing heard: run under scripts/bench.sh, which starts a sound server");
            return;
        }
        state.SetIterationTime(ms / 1000);
        totalMs += ms;
    }
    state.counters["open_ms"] = openMs;
    state.counters["first_ms"] = firstMs;
    state.counters["start_to_sink_ms"] = totalMs / double(state.iterations());
}
BENCHMARK(soundStartLatency)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);

// A run with the sound on, paced by the window's own pacer, the sum recorded at the sink.
// Targets: the wall time within 1 % of the same run without sound (pacedRun), the CPU share
// at most 2 points above it, and no gap in the tone, also full screen at 3840 × 2160 with the
// window resized every 200 ms.
void soundDuringARun(benchmark::State &state)
{
    const int slowdown = int(state.range(0));
    const bool resizing = state.range(3) != 0;
    const bool recording = state.range(4) != 0; // the recording's own work would count as the sound's
    MainWindow window;
    // The program's own sound service, as the program plays through it.
    window.setSoundPlayer(std::make_unique<SoundProcess>(QStringLiteral(VLNOKRES_BINARY)));
    window.soundCommands().setVoice(sound::Voice::Sum);
    window.findChild<QScrollBar *>(QString::fromUtf8(names::kPace))->setValue(slowdown);
    auto *start = window.findChild<QPushButton *>(QString::fromUtf8(names::kStart));
    const QSize size(int(state.range(1)), int(state.range(2)));
    window.resize(size);
    window.show();
    QCoreApplication::processEvents();
    const auto expected = std::chrono::duration<double>(kSteps * pausePerStep(slowdown)).count();
    QTimer resize;
    resize.setInterval(200);
    QObject::connect(&resize, &QTimer::timeout, &window, [&] {
        window.resize(window.size() == size ? size * 0.8 : size);
    });
    Monitor monitor;
    QTimer listen;
    listen.setInterval(20);
    QObject::connect(&listen, &QTimer::timeout, &window, [&] { monitor.take(); });
    // A first run opens the output, which is done once a session: the figures are a later run's.
    start->click();
    double wall = 0, cpu = 0;
    for (auto _ : state) {
        if (!window.soundCommands().voice() || (recording && !monitor.start())) {
            state.SkipWithError("no sound output or no monitor: run under scripts/bench.sh");
            return;
        }
        if (recording)
            listen.start();
        if (resizing)
            resize.start();
        const double cpuBefore = processCpuSeconds();
        const auto before = std::chrono::steady_clock::now();
        start->click();
        wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - before).count();
        cpu = processCpuSeconds() - cpuBefore;
        resize.stop();
        for (int i = 0; i < 20; ++i) {
            QThread::msleep(10);
            QCoreApplication::processEvents();
        }
        listen.stop();
        if (recording) {
            monitor.take();
            monitor.stop();
        }
        state.SetIterationTime(wall);
    }
    state.counters["wall_s"] = wall;
    state.counters["error_pct"] = 100 * (wall - expected) / expected;
    state.counters["cpu_share_pct"] = 100 * cpu / wall;
    if (recording)
        state.counters["gaps_5ms"] = monitor.gaps();
}
BENCHMARK(soundDuringARun)
    ->Args({1, 792, 573, 0, 0})
    ->Args({2, 3840, 2160, 1, 1})
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
