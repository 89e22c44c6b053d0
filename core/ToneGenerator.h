#pragma once

#include <cstddef>
#include <optional>
#include <vector>

namespace vlnokres::sound {

// The time graph's three waves as tones, played in real time: the first sinusoid at the base
// tone b, the second at f × b with its amplitude and phase, and their sum; or the two waves
// side by side, the first on the left channel and the second on the right, so that the sum
// forms in the room (in headphones each ear hears one tone, which is another effect).
enum class Voice { First, Second, Sum, Stereo };

// Samples of the stereo voice come in pairs, left then right; every other voice is one channel.
constexpr int channelsOf(Voice voice) { return voice == Voice::Stereo ? 2 : 1; }

// The voices' names on the command line (--sound); "off" is none.
struct VoiceName {
    const char *name;
    std::optional<Voice> voice;
};
inline constexpr VoiceName kVoiceNames[] = {
    {"off", std::nullopt}, {"first", Voice::First}, {"second", Voice::Second}, {"sum", Voice::Sum},
    {"stereo", Voice::Stereo}};
constexpr const char *nameOf(Voice voice)
{
    for (const VoiceName &named : kVoiceNames)
        if (named.voice == voice)
            return named.name;
    return "sum";
}

// One unit of amplitude is 0.36 of full scale, the same for every voice and channel, so that
// loudness is honest and the largest sum (1 + 1.5) peaks at 0.9 without clipping.
inline constexpr double kGain = 0.36;
// No voice ever comes nearer full scale than this.
inline constexpr double kHighestPeak = 0.9;
inline constexpr double kDefaultBaseTone = 220;
inline constexpr double kLowestBaseTone = 55;
inline constexpr double kHighestBaseTone = 1760;
// What a listener hears; above 0.45 of the sample rate a tone would fold back as a false one.
inline constexpr double kLowestAudible = 20;
inline constexpr double kHighestAudible = 20000;
inline constexpr double kHighestShareOfRate = 0.45;
// Every start and stop fades over this long, so that nothing clicks.
inline constexpr double kFadeSeconds = 0.010;
// A change of tones glides over this long: quick enough to follow a hand, slow enough not to click.
inline constexpr double kGlideSeconds = 0.020;

struct Tones {
    double baseTone = kDefaultBaseTone; // Hz
    double amplitude = 1;               // of the second, relative to the first
    double frequency = 1;               // of the second, relative to the first
    double phaseDegrees = 0;            // of the second, converted as the drawing converts it
    bool operator==(const Tones &) const = default;
};

// The second tone's pitch, in hertz (its sign is the frequency's).
double secondTone(const Tones &tones);

// Whether a tone of this pitch (either sign) is played at the sample rate; one that is not is
// left out, never folded back.
bool audible(double hertz, int sampleRate);

// A tone of the voice that is left out as not audible (the base tone or the second), if any:
// the second voice then is silence, and the sum only the first.
std::optional<double> inaudibleTone(const Tones &tones, Voice voice, int sampleRate);

// Samples of the chosen voice, from t = 0 at the first sample, in -1 … 1, channelsOf(voice)
// of them a frame. Phases accumulate in
// double precision, turn by turn, so that a minute's tone does not drift. A fade in or out
// moves the level between silence and full over kFadeSeconds; once faded out, time stands
// still until the next fade in, so a paused tone resumes where it was.
class ToneGenerator
{
public:
    ToneGenerator(const Tones &tones, Voice voice, int sampleRate);

    // Glides to other tones over kGlideSeconds, as a dragged vector is heard: no click, no gap.
    void retune(const Tones &tones);
    void fadeIn() { m_target = 1; }
    void fadeOut() { m_target = 0; }
    // Faded out and silent: nothing more to hear until a fade in.
    bool silent() const { return m_target == 0 && m_level == 0; }
    int sampleRate() const { return m_rate; }
    int channels() const { return channelsOf(m_voice); }

    // Frames, each of channels() samples.
    void generate(float *out, std::size_t frames);

private:
    struct Levels {
        double firstAmplitude = 0, secondAmplitude = 0;
        double firstStep = 0, secondStep = 0; // radians a sample
        double secondPhase = 0;               // the second tone's phase shift
    };
    Levels levelsOf(const Tones &tones) const;

    int m_rate;
    Voice m_voice;
    Levels m_now;
    Levels m_next;  // where a glide ends
    Levels m_glide; // what it adds a sample
    int m_glideLeft = 0;
    double m_firstPhase = 0, m_secondPhase = 0;
    double m_level = 0, m_target = 0, m_fadeStep = 0;
};

// How many samples a tone of that length plays at full level before it fades out, so that
// with its fade it lasts the length.
long long samplesBeforeFadeOut(double seconds, int sampleRate);

// A tone of the given length from its first sample, faded in at its start and out at its end,
// as a file holds it: frames of channelsOf(voice) samples.
std::vector<float> toneOf(const Tones &tones, Voice voice, double seconds, int sampleRate);

} // namespace vlnokres::sound
