#include "SoundWorker.h"

#include <QAudioSink>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <type_traits>

namespace vlnokres {
namespace {

// The sink's buffer: short, so that a Start is heard at once, and long enough that the sink's
// own period (20 ms) fits it several times; the sink pulls a period at a time, and never
// from a buffer that has room for none.
constexpr double kBufferSeconds = 0.08;

// Samples of the output's frames, in its channels, in its sample format.
template <typename Sample>
void putAll(char *out, const std::vector<float> &samples, double scale, double offset = 0)
{
    auto *to = reinterpret_cast<Sample *>(out);
    for (float sample : samples) {
        // Whole-number formats round; floating samples go as they are.
        if constexpr (std::is_floating_point_v<Sample>)
            *to++ = Sample(offset + sample * scale);
        else
            *to++ = Sample(std::lround(offset + sample * scale));
    }
}

// The generator's frames added into the output's: one channel goes to every channel, two go
// left and right (and further channels stay silent), or are mixed into one.
void addFrames(std::vector<float> &into, int channels, const std::vector<float> &from, int fromChannels)
{
    const std::size_t frames = into.size() / std::size_t(channels);
    for (std::size_t f = 0; f < frames; ++f)
        for (int c = 0; c < channels; ++c) {
            float sample = 0;
            if (fromChannels == 1)
                sample = from[f];
            else if (channels == 1)
                sample = from[2 * f] + from[2 * f + 1];
            else if (c < 2)
                sample = from[2 * f + std::size_t(c)];
            into[f * std::size_t(channels) + std::size_t(c)] += sample;
        }
}

} // namespace

// A tone that still sounds fades out under the new one fading in, so that a change of voice
// during a run does not click.
void ToneDevice::play(std::unique_ptr<sound::ToneGenerator> generator, std::optional<qint64> samples)
{
    if (m_generator && !m_generator->silent()) {
        m_leaving = std::move(m_generator);
        m_leaving->fadeOut();
    }
    m_generator = std::move(generator);
    m_left = samples;
    m_paused = false;
    m_generator->fadeIn();
}

void ToneDevice::retune(const sound::Tones &tones)
{
    if (m_generator)
        m_generator->retune(tones);
}

void ToneDevice::setPaused(bool paused)
{
    if (!m_generator)
        return;
    m_paused = paused;
    paused ? m_generator->fadeOut() : m_generator->fadeIn();
}

void ToneDevice::stop()
{
    m_paused = false;
    if (m_generator)
        m_generator->fadeOut();
}

qint64 ToneDevice::readData(char *data, qint64 maxSize)
{
    const int frameBytes = m_format.bytesPerFrame();
    if (frameBytes <= 0)
        return 0;
    const auto frames = std::size_t(maxSize / frameBytes);
    const int channels = m_format.channelCount();
    m_buffer.assign(frames * std::size_t(channels), 0.0f);
    if (m_generator) {
        m_toneBuffer.resize(frames * std::size_t(m_generator->channels()));
        std::size_t done = 0;
        if (m_left) {
            const auto before = std::size_t(std::min<qint64>(*m_left, qint64(frames)));
            m_generator->generate(m_toneBuffer.data(), before);
            *m_left -= qint64(before);
            done = before;
            if (*m_left == 0) {
                m_generator->fadeOut();
                m_left.reset();
            }
        }
        m_generator->generate(m_toneBuffer.data() + done * std::size_t(m_generator->channels()), frames - done);
        addFrames(m_buffer, channels, m_toneBuffer, m_generator->channels());
    }
    if (m_leaving) {
        m_toneBuffer.resize(frames * std::size_t(m_leaving->channels()));
        m_leaving->generate(m_toneBuffer.data(), frames);
        addFrames(m_buffer, channels, m_toneBuffer, m_leaving->channels());
        if (m_leaving->silent())
            m_leaving.reset();
    }
    switch (m_format.sampleFormat()) {
    case QAudioFormat::Float:
        putAll<float>(data, m_buffer, 1);
        break;
    case QAudioFormat::Int32:
        putAll<qint32>(data, m_buffer, 2147483647.0);
        break;
    case QAudioFormat::UInt8:
        putAll<quint8>(data, m_buffer, 127, 128);
        break;
    default:
        putAll<qint16>(data, m_buffer, 32767);
        break;
    }
    return qint64(frames) * frameBytes;
}

// The sink is let rest once the tone has ended and the server has surely played what it still
// held: a sink stopped sooner drops it, and a busy server may start a stream late.
constexpr int kWatchMs = 100;
constexpr int kEndedWatchesBeforeRest = 5;

SoundWorker::SoundWorker(const QAudioDevice &device, const QAudioFormat &format)
    : m_device(device), m_format(format), m_watch(this)
{
    m_tone.setFormat(format);
    m_tone.open(QIODevice::ReadOnly);
    m_watch.setInterval(kWatchMs);
    connect(&m_watch, &QTimer::timeout, this, &SoundWorker::restWhenEnded);
}

SoundWorker::~SoundWorker() { delete m_sink; }

void SoundWorker::play(const sound::Tones &tones, sound::Voice voice, std::optional<qint64> samples)
{
    m_tone.play(std::make_unique<sound::ToneGenerator>(tones, voice, m_format.sampleRate()), samples);
    if (!m_sink) {
        m_sink = new QAudioSink(m_device, m_format, this);
        m_sink->setBufferSize(m_format.bytesForDuration(qint64(kBufferSeconds * 1e6)));
        connect(m_sink, &QAudioSink::stateChanged, this, [this] {
            if (m_sink && (m_sink->error() == QAudio::FatalError || m_sink->error() == QAudio::IOError)) {
                QMetaObject::invokeMethod(this, &SoundWorker::letGo, Qt::QueuedConnection);
                Q_EMIT lost();
            }
        });
    }
    if (m_sink->state() == QAudio::StoppedState)
        m_sink->start(&m_tone);
    m_endedWatches = 0;
    m_watch.start();
}

void SoundWorker::setPaused(bool paused) { m_tone.setPaused(paused); }

void SoundWorker::stop() { m_tone.stop(); }

void SoundWorker::letGo()
{
    delete m_sink;
    m_sink = nullptr;
    m_watch.stop();
}

void SoundWorker::restWhenEnded()
{
    m_endedWatches = m_tone.ended() ? m_endedWatches + 1 : 0;
    // The sink goes with its stream: one stopped and started again does not always play.
    if (m_endedWatches >= kEndedWatchesBeforeRest && m_sink) {
        m_sink->stop();
        letGo();
    }
}

} // namespace vlnokres
