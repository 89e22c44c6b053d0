#pragma once

#include "SoundPlayer.h"

#include <QAudioFormat>
#include <QObject>
#include <QThread>

#include <memory>
#include <optional>

namespace vlnokres {

class SoundWorker;

// Plays through the desktop's sound output (Qt Multimedia's QAudioSink, pulling samples from
// the core's generator), on a thread of its own, so that a busy window (a resize, a repaint
// of a full screen) never leaves the device without samples. The output is opened when first
// needed; where there is none, available() says so, and one line on the standard error.
// What the output is asked for: 16-bit samples of two channels, the stereo voice's, at 48 kHz;
// an output that takes other formats gets what it prefers.
QAudioFormat wantedSoundFormat();

class SoundOutput final : public SoundPlayer
{
public:
    SoundOutput();
    ~SoundOutput() override;

    bool available() override;
    int sampleRate() const override;
    void play(const sound::Tones &tones, sound::Voice voice,
              std::optional<std::chrono::milliseconds> length = std::nullopt) override;
    void retune(const sound::Tones &tones) override;
    void setPaused(bool paused) override;
    void stop() override;

private:
    std::optional<bool> m_available;
    int m_rate = 48000;
    QObject m_here; // where the sound thread's word of a lost output is taken
    QThread m_thread;
    SoundWorker *m_worker = nullptr; // lives in m_thread
};

} // namespace vlnokres
