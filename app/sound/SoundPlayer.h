#pragma once

#include "core/ToneGenerator.h"

#include <chrono>
#include <functional>
#include <optional>

namespace vlnokres {

// What the window asks of the sound: to play a voice (for a length, or until stopped), to
// pause and resume it with the run, and to stop it, each start and stop faded.
class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;
    // Whether there is a sound output at all; asked when the sound is first needed, never at
    // start-up.
    virtual bool available() = 0;
    // The rate the output plays at, which bounds the highest tone it can play.
    virtual int sampleRate() const = 0;
    virtual void play(const sound::Tones &tones, sound::Voice voice,
                      std::optional<std::chrono::milliseconds> length = std::nullopt) = 0;
    // The voice playing glides to other tones: the values of a vector being dragged.
    virtual void retune(const sound::Tones &tones) = 0;
    virtual void setPaused(bool paused) = 0;
    virtual void stop() = 0;

    // Told when the output that played stops being there (its sound server gone); the next
    // play looks for it again.
    void setLostListener(std::function<void()> lost) { m_lost = std::move(lost); }

protected:
    void tellLost()
    {
        if (m_lost)
            m_lost();
    }

private:
    std::function<void()> m_lost;
};

} // namespace vlnokres
