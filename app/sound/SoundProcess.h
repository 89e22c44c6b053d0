#pragma once

#include "SoundPlayer.h"

#include <QElapsedTimer>
#include <QString>

#include <memory>
#include <optional>

class QProcess;

namespace vlnokres {

// The window's sound, played by a sound service of the program's own (SoundService.h) in a
// process beside it, so that an output that goes (a sound server ended and started again) is
// found again for the next run or sample: the service that lost it ends, and the next request
// starts a new one. Where none can be started, or it finds no output, there is no sound.
class SoundProcess final : public SoundPlayer
{
public:
    // The program that runs the service: this one.
    explicit SoundProcess(QString program = {});
    ~SoundProcess() override;

    bool available() override;
    int sampleRate() const override { return m_rate; }
    void play(const sound::Tones &tones, sound::Voice voice,
              std::optional<std::chrono::milliseconds> length = std::nullopt) override;
    void retune(const sound::Tones &tones) override;
    void setPaused(bool paused) override;
    void stop() override;

private:
    void start();
    void send(const struct SoundRequest &request);

    QString m_program;
    std::unique_ptr<QProcess> m_service;
    std::optional<bool> m_available; // as the service last said
    int m_rate = 48000;
    bool m_lost = false;             // told, and to be looked for again
    QElapsedTimer m_sinceLooked;     // a lost output is looked for at most every few seconds
};

} // namespace vlnokres
