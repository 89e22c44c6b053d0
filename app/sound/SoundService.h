#pragma once

#include "core/ToneGenerator.h"

#include <QString>

#include <chrono>
#include <optional>

namespace vlnokres {

// The sound output as a process of the program's own, which the window starts and talks to
// through its standard input and output, one line a request: "play", "retune", "pause",
// "stop", with the tones as numbers. It answers "rate 48000" once its output is open, or
// "none", and "lost" when the output goes (its sound server ended), and then ends itself. A
// sound server that ends takes the toolkit's connection to it for good, in that process; in a
// new one the sound is found again.
inline constexpr auto kSoundServiceOption = "--sound-output";
int runSoundService();

// One request as a line, and back.
struct SoundRequest {
    enum class Kind { Play, Retune, Pause, Resume, Stop };
    Kind kind = Kind::Stop;
    sound::Tones tones = {};
    sound::Voice voice = sound::Voice::Sum;
    std::optional<std::chrono::milliseconds> length = {};
    bool operator==(const SoundRequest &) const = default;
};
QString lineOf(const SoundRequest &request);
std::optional<SoundRequest> requestOf(const QString &line);

} // namespace vlnokres
