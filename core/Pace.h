#pragma once

#include <chrono>

namespace vlnokres {

// The slowdown factor S that the pace control sets, a whole number from 1 to 10.
inline constexpr int kFastest = 1;
inline constexpr int kSlowest = 10;

// After every step the run pauses for 500 × S² units, so the pause grows with the square of
// the slowdown. A unit is a fixed time rather than a count of busy work, so the pace is the
// same on every machine: 1 ms a step at S = 1, a run of 1.3 s; 100 ms a step at S = 10.
inline constexpr std::chrono::nanoseconds kPauseUnit = std::chrono::microseconds(2);

// Counted as nested loops would count them: k from 1 while k ≤ S, and within each, j from 1
// while j ≤ 500 × S. A value beyond the slowest is taken as the slowest, so that a stray value
// can never freeze the window for hours.
long long pauseUnits(double slowdown);

std::chrono::nanoseconds pausePerStep(double slowdown);

} // namespace vlnokres
