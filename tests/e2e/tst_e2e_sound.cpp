#include "Desktop.h"

#include <QProcess>

#include <cmath>
#include <vector>

// The sound as a class hears it: the window plays the sum through the desktop's sound server
// for the run's length, falls silent while the run is paused, and resumes with it. The test
// records what reached the server's sink.
class TestE2ESound : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void runIsHeardAndFallsSilentWhilePaused();
    void soundIsFoundAgainWhenItsServerComesBack();
};

namespace {

constexpr int kRate = 48000;
constexpr int kWindow = kRate / 100; // 10 ms

struct Stretch {
    double from, to; // seconds
};

// Where the recording is not silent, as stretches of at least a window; and its loudest sample.
// A gap shorter than a tenth of a second is a busy machine's dropout, not a pause.
std::vector<Stretch> heardIn(const std::vector<qint16> &samples, double &loudest)
{
    std::vector<Stretch> heard;
    loudest = 0;
    for (std::size_t at = 0; at + kWindow <= samples.size(); at += kWindow) {
        double peak = 0;
        for (std::size_t i = at; i < at + kWindow; ++i)
            peak = std::max(peak, std::abs(samples[i] / 32768.0));
        loudest = std::max(loudest, peak);
        const double t = double(at) / kRate;
        if (peak < 0.02)
            continue;
        if (!heard.empty() && t - heard.back().to < 0.1)
            heard.back().to = t + 0.01;
        else
            heard.push_back({t, t + 0.01});
    }
    return heard;
}

// Upward zero crossings within the stretch, a second's worth: the pitch.
double pitchIn(const std::vector<qint16> &samples, Stretch s)
{
    int rising = 0;
    for (auto i = std::size_t(s.from * kRate) + 1; i < std::size_t(s.to * kRate); ++i)
        rising += samples[i - 1] < 0 && samples[i] >= 0;
    return rising / (s.to - s.from);
}

// What reached the sink while the recorder ran, as samples; the recorder is started first.
class Recorder
{
public:
    bool start()
    {
        m_process.start(QStringLiteral("parec"), {"--device=vlnokres_test.monitor", "--rate=48000", "--channels=1",
                                                   "--format=s16le", "--latency-msec=100"});
        // A generous latency, so that a busy machine delays what is recorded but never drops it.
        return m_process.waitForStarted() && m_process.waitForReadyRead(5000);
    }
    std::vector<qint16> stop()
    {
        m_process.terminate();
        m_process.waitForFinished();
        const QByteArray bytes = m_process.readAllStandardOutput();
        std::vector<qint16> samples(std::size_t(bytes.size()) / 2);
        std::memcpy(samples.data(), bytes.constData(), samples.size() * 2);
        return samples;
    }

private:
    QProcess m_process;
};

bool soundServer(const char *what)
{
    return QProcess::execute(qEnvironmentVariable("VLNOKRES_TEST_SOUND_SERVER"), {QLatin1String(what)}) == 0;
}

} // namespace

// At slowdown 2 a run lasts 5.2 s; paused for about 1.5 s in the middle, the sum (amplitude
// 0.5, a quarter turn ahead: one tone of 220 Hz, 0.36 × 1.118 of full scale) is heard for the
// run's length in two parts, and not between them.
void TestE2ESound::runIsHeardAndFallsSilentWhilePaused()
{
    Recorder recorder;
    QVERIFY(recorder.start());
    Desktop desktop;
    QVERIFY(desktop.startWindowManager());
    QVERIFY(desktop.start({}, {"--sound", "sum", "--slowdown", "2"}));
    desktop.click(place::kStart);
    QTest::qWait(2000);
    desktop.key(QStringLiteral("p"), desktop.mainWindow());
    QVERIFY(desktop.waitFor([&](const QImage &) { return desktop.windowTitle().endsWith("pozastaveno"); }));
    QTest::qWait(1500);
    desktop.key(QStringLiteral("p"), desktop.mainWindow());
    QVERIFY(desktop.waitFor(finished, 15000));
    QTest::qWait(500);
    const std::vector<qint16> samples = recorder.stop();
    double loudest = 0;
    const std::vector<Stretch> heard = heardIn(samples, loudest);
    QString said;
    for (const Stretch &s : heard)
        said += QStringLiteral("%1–%2 s ").arg(s.from, 0, 'f', 2).arg(s.to, 0, 'f', 2);
    QVERIFY2(heard.size() == 2, qPrintable(said));
    const double length = (heard[0].to - heard[0].from) + (heard[1].to - heard[1].from);
    QVERIFY2(std::abs(length - 5.2) < 0.3, qPrintable(said));
    const double paused = heard[1].from - heard[0].to;
    QVERIFY2(paused > 1.2 && paused < 2.5, qPrintable(said));
    QVERIFY2(std::abs(loudest - 0.36 * std::hypot(1, 0.5)) < 0.02, qPrintable(QString::number(loudest)));
    const double pitch = pitchIn(samples, {heard[1].from + 0.1, heard[1].from + 1.1});
    QVERIFY2(std::abs(pitch - 220) < 3, qPrintable(QString::number(pitch)));
}

// A sound server that ends during a run is said to have gone, once, and the run goes on; back
// after longer than the toolkit waits for it, the sound is found again for the next sample.
void TestE2ESound::soundIsFoundAgainWhenItsServerComesBack()
{
    Desktop desktop;
    QVERIFY(desktop.startWindowManager());
    QVERIFY(desktop.start({}, {"--sound", "sum", "--slowdown", "3"}));
    desktop.click(place::kStart);
    QTest::qWait(1000);
    QVERIFY(soundServer("stop"));
    QVERIFY(!desktop.findWindow(QStringLiteral("^Zvuk$"), 10000).isEmpty());
    QTest::qWait(5000);
    QVERIFY(soundServer("start"));
    Recorder recorder;
    QVERIFY(recorder.start());
    QVERIFY(desktop.waitFor(finished, 20000));
    desktop.key(QStringLiteral("ctrl+shift+m"), desktop.mainWindow());
    QTest::qWait(2500);
    double loudest = 0;
    const std::vector<Stretch> heard = heardIn(recorder.stop(), loudest);
    QVERIFY2(!heard.empty() && heard.front().to - heard.front().from > 1, qPrintable(QString::number(loudest)));
}

QTEST_MAIN(TestE2ESound)
#include "tst_e2e_sound.moc"
