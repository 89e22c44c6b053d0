#pragma once

#include "core/ToneGenerator.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QIODevice>
#include <QObject>
#include <QTimer>

#include <memory>
#include <optional>

class QAudioSink;

namespace vlnokres {

// The samples the sink pulls: the generator's, in the sink's format, or silence. A tone with
// a length fades out by itself at its end; a faded-out tone lets the sink stop.
class ToneDevice final : public QIODevice
{
public:
    void setFormat(const QAudioFormat &format) { m_format = format; }
    void play(std::unique_ptr<sound::ToneGenerator> generator, std::optional<qint64> samples);
    void retune(const sound::Tones &tones);
    void setPaused(bool paused);
    void stop();
    // Stopped, or past its length, and faded out: nothing more is to come.
    bool ended() const { return !m_generator || (m_generator->silent() && !m_paused); }

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QAudioFormat m_format;
    std::unique_ptr<sound::ToneGenerator> m_generator;
    std::unique_ptr<sound::ToneGenerator> m_leaving; // the tone before, fading out under the new one
    std::optional<qint64> m_left; // samples before the fade out begins
    bool m_paused = false;
    std::vector<float> m_buffer;     // the output's frames
    std::vector<float> m_toneBuffer; // a generator's
};

// Owns the sink in the sound's own thread; the window's requests arrive as queued calls.
class SoundWorker final : public QObject
{
    Q_OBJECT

public:
    explicit SoundWorker(const QAudioDevice &device, const QAudioFormat &format);
    ~SoundWorker() override;

    void play(const sound::Tones &tones, sound::Voice voice, std::optional<qint64> samples);
    void retune(const sound::Tones &tones) { m_tone.retune(tones); }
    void setPaused(bool paused);
    void stop();

Q_SIGNALS:
    // The sink failed as its output went (the sound server ended): it is let go, and the
    // next play opens another.
    void lost();

private:
    void restWhenEnded();
    void letGo();

    QAudioDevice m_device;
    QAudioFormat m_format;
    QAudioSink *m_sink = nullptr;
    ToneDevice m_tone;
    QTimer m_watch;
    int m_endedWatches = 0;
};

} // namespace vlnokres
