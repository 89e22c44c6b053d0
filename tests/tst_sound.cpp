#include "app/sound/SoundCommands.h"
#include "app/sound/SoundService.h"
#include "app/sound/SoundWorker.h"
#include "core/ToneGenerator.h"
#include "core/WavFile.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

using namespace vlnokres::sound;

// The tones as the generator makes them, with no device at all: which tone each voice plays
// and how loud, what is left out of hearing, the fades, a minute without drift, and the file.
class TestSound : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void voicesPlayTheirTones_data();
    void voicesPlayTheirTones();
    void fadesNeverClick();
    void retuneGlidesWithoutAClick();
    void aMinuteDoesNotDrift();
    void deviceCrossFadesAndEndsASample();
    void wavFileIsPcm();
    void stereoPutsEachWaveOnItsSide();
    void menuNamesWhatTheClassHears_data();
    void menuNamesWhatTheClassHears();
    void serviceRequestsReadBackAsSent();
};

namespace {
constexpr int kRate = 48000;

// Zero crossings from below over a second: the pitch in hertz.
int pitchOf(const std::vector<float> &samples)
{
    int rising = 0;
    for (std::size_t i = 1; i < samples.size(); ++i)
        rising += samples[i - 1] < 0 && samples[i] >= 0;
    return rising;
}
} // namespace

void TestSound::voicesPlayTheirTones_data()
{
    QTest::addColumn<Voice>("voice");
    QTest::addColumn<double>("amplitude");
    QTest::addColumn<double>("frequency");
    QTest::addColumn<double>("phase");
    QTest::addColumn<int>("pitch"); // 0: silent
    QTest::addColumn<double>("peak");
    QTest::newRow("first at the base tone") << Voice::First << 0.5 << 3.0 << 0.0 << 220 << kGain;
    QTest::newRow("second, twice as high and half as loud") << Voice::Second << 0.5 << 2.0 << 90.0 << 440 << kGain / 2;
    QTest::newRow("second turning back") << Voice::Second << 1.0 << -1.0 << 0.0 << 220 << kGain;
    QTest::newRow("largest sum peaks at 0.9") << Voice::Sum << 1.5 << 1.0 << 0.0 << 220 << 0.9;
    QTest::newRow("opposite phases nearly cancel") << Voice::Sum << 1.0 << 1.0 << 180.0 << 220 << 0.003027;
    QTest::newRow("above hearing is left out") << Voice::Second << 1.0 << 200.0 << 0.0 << 0 << 0.0;
    QTest::newRow("below hearing is left out") << Voice::Second << 1.0 << 0.05 << 0.0 << 0 << 0.0;
    QTest::newRow("sum without the unheard") << Voice::Sum << 1.0 << 200.0 << 0.0 << 220 << kGain;
    QTest::newRow("huge negative amplitude, quieter, not clipped") << Voice::Sum << -1e6 << 1.0 << 0.0 << 220 << 0.9;
}

void TestSound::voicesPlayTheirTones()
{
    QFETCH(Voice, voice);
    QFETCH(double, amplitude);
    QFETCH(double, frequency);
    QFETCH(double, phase);
    QFETCH(int, pitch);
    QFETCH(double, peak);
    const std::vector<float> tone = toneOf({kDefaultBaseTone, amplitude, frequency, phase}, voice, 1, kRate);
    QCOMPARE(tone.size(), std::size_t(kRate));
    const float loudest = std::abs(*std::ranges::max_element(tone, {}, [](float s) { return std::abs(s); }));
    QVERIFY2(std::abs(loudest - peak) < peak / 100 + 1e-4, qPrintable(QString::number(loudest)));
    if (pitch > 0)
        QVERIFY2(std::abs(pitchOf(tone) - pitch) <= 1, qPrintable(QString::number(pitchOf(tone))));
}

// Faded in from silence at t = 0 and out to silence: no step between samples is larger than
// the tone's own steepest, and a paused tone resumes where it stood.
void TestSound::fadesNeverClick()
{
    const Tones tones{kDefaultBaseTone, 1.5, 1, 0};
    const double steepest = 2.5 * kGain * 2 * std::numbers::pi * kDefaultBaseTone / kRate * 1.01;
    ToneGenerator generator(tones, Voice::Sum, kRate);
    std::vector<float> samples(kRate / 4);
    generator.fadeIn();
    generator.generate(samples.data(), 6000);
    generator.fadeOut();
    generator.generate(samples.data() + 6000, 1000);
    QVERIFY(generator.silent());
    generator.fadeIn();
    generator.generate(samples.data() + 7000, samples.size() - 7000);
    QVERIFY(std::abs(samples.front()) < 1e-3);
    QCOMPARE(samples[6999], 0.0f);
    for (std::size_t i = 1; i < samples.size(); ++i)
        QVERIFY2(std::abs(samples[i] - samples[i - 1]) <= steepest, qPrintable(QString::number(i)));
    const std::vector<float> file = toneOf(tones, Voice::Sum, 0.5, kRate);
    QVERIFY(std::abs(file.back()) < 1e-3);
}

// A dragged vector turned through 180° at amplitude 1: the sum glides from twice the first to
// almost nothing within 20 ms, no step larger than the tone's own steepest.
void TestSound::retuneGlidesWithoutAClick()
{
    ToneGenerator generator({kDefaultBaseTone, 1, 1, 0}, Voice::Sum, kRate);
    generator.fadeIn();
    std::vector<float> samples(3000);
    generator.generate(samples.data(), 1000);
    generator.retune({kDefaultBaseTone, 1, 1, 180});
    generator.generate(samples.data() + 1000, 2000);
    const double steepest = 2 * kGain * 2 * std::numbers::pi * kDefaultBaseTone / kRate * 1.01;
    for (std::size_t i = 1; i < samples.size(); ++i)
        QVERIFY2(std::abs(samples[i] - samples[i - 1]) <= steepest, qPrintable(QString::number(i)));
    const float after = *std::ranges::max_element(samples.begin() + 1000 + 960, samples.end(), {},
                                                  [](float s) { return std::abs(s); });
    QVERIFY2(std::abs(after) < 0.005, qPrintable(QString::number(after)));
}

void TestSound::aMinuteDoesNotDrift()
{
    ToneGenerator generator({kDefaultBaseTone, 1, 1.5, 90}, Voice::Second, kRate);
    generator.fadeIn();
    std::vector<float> minute(60 * kRate);
    generator.generate(minute.data(), minute.size());
    for (std::size_t n : {std::size_t(kRate), minute.size() - 1}) {
        const double exact = kGain * std::sin(2 * std::numbers::pi * 330 * double(n) / kRate + 90 * 0.0175);
        QVERIFY2(std::abs(minute[n] - exact) < 1e-5, qPrintable(QString::number(n)));
    }
}

// What the sink pulls: a new voice fades in as the one before fades out, with no step larger
// than the two tones' own; a sample plays its length, the last 10 ms fading, then silence.
void TestSound::deviceCrossFadesAndEndsASample()
{
    QAudioFormat format;
    format.setSampleRate(kRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Float);
    vlnokres::ToneDevice device;
    device.setFormat(format);
    QVERIFY(device.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
    auto pull = [&](std::size_t count) {
        const QByteArray bytes = device.read(qint64(count * sizeof(float)));
        std::vector<float> samples(count);
        std::memcpy(samples.data(), bytes.constData(), std::size_t(bytes.size()));
        return samples;
    };
    const Tones tones{kDefaultBaseTone, 1, 2, 0};
    device.play(std::make_unique<ToneGenerator>(tones, Voice::First, kRate), std::nullopt);
    std::vector<float> heard = pull(1000);
    device.play(std::make_unique<ToneGenerator>(tones, Voice::Second, kRate), std::nullopt);
    std::ranges::copy(pull(2000), std::back_inserter(heard));
    const double steepest = 2 * kGain * 2 * std::numbers::pi * 440 / kRate;
    for (std::size_t i = 1; i < heard.size(); ++i)
        QVERIFY2(std::abs(heard[i] - heard[i - 1]) <= steepest, qPrintable(QString::number(i)));
    QCOMPARE(pitchOf(std::vector(heard.end() - 1000, heard.end())), 9); // 440 Hz over 1000 samples

    device.play(std::make_unique<ToneGenerator>(tones, Voice::First, kRate), samplesBeforeFadeOut(4, kRate));
    const std::vector<float> sample = pull(5 * kRate);
    const auto last = std::ranges::find_if(sample.rbegin(), sample.rend(), [](float s) { return s != 0; });
    QVERIFY(std::abs(std::distance(last, sample.rend()) - 4 * kRate) <= 480); // the old tone's fade overlaps
    const float fading = *std::ranges::max_element(sample.end() - kRate - 240, sample.end() - kRate, {},
                                                   [](float s) { return std::abs(s); });
    QVERIFY(fading > 0 && fading < kGain / 2);
}

// RIFF, PCM, one channel, 48 kHz, 16 bits, then the samples, clipped at full scale.
void TestSound::wavFileIsPcm()
{
    const std::vector<std::uint8_t> wav = wavFile({0.0f, 1.0f, -1.0f, 0.5f, 2.0f}, kRate);
    const QByteArray expected("RIFF\x2e\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x80\xbb\0\0\0\x77\x01\0\x02\0\x10\0"
                              "data\x0a\0\0\0\0\0\xff\x7f\x01\x80\0\x40\xff\x7f",
                              54);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(wav.data()), qsizetype(wav.size())), expected);
}

// The stereo voice: the first wave on the left at the base tone, the second on the right with
// its own amplitude, each at one voice's gain; in a file two channels, and on an output of two
// channels side by side, or mixed where it has one.
void TestSound::stereoPutsEachWaveOnItsSide()
{
    const Tones tones{kDefaultBaseTone, 1.5, 1.02, 0};
    const std::vector<float> both = toneOf(tones, Voice::Stereo, 1, kRate);
    QCOMPARE(both.size(), std::size_t(2 * kRate));
    std::vector<float> sides[2];
    for (std::size_t i = 0; i < both.size(); ++i)
        sides[i % 2].push_back(both[i]);
    const auto loudest = [](const std::vector<float> &side) {
        return std::abs(*std::ranges::max_element(side, {}, [](float s) { return std::abs(s); }));
    };
    QVERIFY(std::abs(pitchOf(sides[0]) - 220) <= 1);
    QVERIFY(std::abs(pitchOf(sides[1]) - 224) <= 1);
    // Each side as loud as its wave alone; a second wave too loud for its side is made quieter
    // there alone, never clipped.
    for (const auto &[amplitude, right] : {std::pair{1.5, 1.5 * kGain}, {-3.0, kHighestPeak}, {-4.0, kHighestPeak},
                                           {-1e6, kHighestPeak}}) {
        const std::vector<float> frames = toneOf({kDefaultBaseTone, amplitude, 1.02, 0}, Voice::Stereo, 0.1, kRate);
        std::vector<float> side[2];
        for (std::size_t i = 0; i < frames.size(); ++i)
            side[i % 2].push_back(frames[i]);
        QVERIFY2(std::abs(loudest(side[0]) - kGain) < 1e-3, qPrintable(QString::number(amplitude)));
        QVERIFY2(std::abs(loudest(side[1]) - right) < 1e-3, qPrintable(QString::number(amplitude)));
    }

    const std::vector<std::uint8_t> wav = wavFile({0.5f, -0.5f}, kRate, 2);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(wav.data()) + 22, 12),
             QByteArray("\x02\0\x80\xbb\0\0\0\xee\x02\0\x04\0", 12)); // channels, rate, bytes a second and a frame

    for (const int channels : {2, 1}) {
        QAudioFormat format;
        format.setSampleRate(kRate);
        format.setChannelCount(channels);
        format.setSampleFormat(QAudioFormat::Float);
        vlnokres::ToneDevice device;
        device.setFormat(format);
        QVERIFY(device.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
        ToneGenerator alone(tones, Voice::Stereo, kRate);
        alone.fadeIn();
        std::vector<float> expected(2 * 4800);
        alone.generate(expected.data(), 4800);
        device.play(std::make_unique<ToneGenerator>(tones, Voice::Stereo, kRate), std::nullopt);
        const QByteArray bytes = device.read(qint64(4800 * channels * sizeof(float)));
        const auto *heard = reinterpret_cast<const float *>(bytes.constData());
        for (std::size_t f = 0; f < 4800; f += 37) {
            if (channels == 2) {
                QCOMPARE(heard[2 * f], expected[2 * f]);
                QCOMPARE(heard[2 * f + 1], expected[2 * f + 1]);
            } else {
                QCOMPARE(heard[f], expected[2 * f] + expected[2 * f + 1]);
            }
        }
    }
}

void TestSound::menuNamesWhatTheClassHears_data()
{
    QTest::addColumn<double>("baseTone");
    QTest::addColumn<double>("frequency");
    QTest::addColumn<QString>("line");
    QTest::newRow("beats to count") << 220.0 << 1.02 << "Tóny 220 Hz a 224,4 Hz: zázněje 4,4× za sekundu";
    QTest::newRow("at 440 Hz, twice as many") << 440.0 << 1.02 << "Tóny 440 Hz a 448,8 Hz: zázněje 8,8× za sekundu";
    QTest::newRow("too fast: roughness")
        << 220.0 << 1.1 << "Tóny 220 Hz a 242 Hz: 22 záznějů za sekundu, slyšet jako drsnost";
    QTest::newRow("one pitch, no beats") << 220.0 << 1.0 << "Oba tóny 220 Hz";
    QTest::newRow("turning back, the same pitch") << 110.0 << -1.0 << "Oba tóny 110 Hz";
    QTest::newRow("turning back, beats to count") << 220.0 << -1.02 << "Tóny 220 Hz a 224,4 Hz: zázněje 4,4× za sekundu";
    QTest::newRow("far apart: two tones") << 220.0 << 2.0 << "Tóny 220 Hz a 440 Hz: slyšet jako dva tóny";
}

void TestSound::menuNamesWhatTheClassHears()
{
    QFETCH(double, baseTone);
    QFETCH(double, frequency);
    QFETCH(QString, line);
    QCOMPARE(vlnokres::tonesLine(baseTone, frequency).replace(QChar(0xA0), u' '), line);
}

// What the window asks of its sound service, one line a request, reads back as it was sent;
// a line that is no request is none.
void TestSound::serviceRequestsReadBackAsSent()
{
    using Kind = vlnokres::SoundRequest::Kind;
    const vlnokres::SoundRequest requests[] = {
        {Kind::Play, {220, -1e6, 1.0000000001, 0.1}, Voice::Stereo, std::chrono::milliseconds(4000)},
        {Kind::Play, {110, 0.5, 2, -45}, Voice::Sum, std::nullopt},
        {Kind::Retune, {440, 0.83, 1, 15}},
        {Kind::Pause},
        {Kind::Resume},
        {Kind::Stop},
    };
    for (const auto &request : requests)
        QCOMPARE(vlnokres::requestOf(vlnokres::lineOf(request)), std::optional(request));
    for (const char *line : {"", "dance", "play 220 1 1 0", "play 220 1 1 0 9 -1", "retune a b c d", "stop now"})
        QCOMPARE(vlnokres::requestOf(QString::fromLatin1(line)), std::nullopt);
}

QTEST_GUILESS_MAIN(TestSound)
#include "tst_sound.moc"
