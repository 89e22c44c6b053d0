#pragma once

namespace vlnokres::startup {

// What the boxes and the pace control show when the program starts: a second sinusoid half as
// strong as the first, at the same frequency, a quarter turn ahead, at the fastest pace.
inline constexpr double kAmplitude = 0.5;
inline constexpr double kFrequency = 1;
inline constexpr double kPhaseDegrees = 90;
inline constexpr int kSlowdown = 1;

} // namespace vlnokres::startup
