#pragma once

namespace vlnokres {

// The parameter boxes' values stepped by a key or the mouse wheel: the amplitude and the
// frequency by a tenth (finely, a hundredth), the phase by 15° (finely, 1°). A step that would
// cross the amplitude limit stops at it. Results are rounded to millionths, so that tenths
// added stay tenths (0,3, not 0,30000000000000004).
enum class SteppedBox { Amplitude, Frequency, Phase };

double steppedValue(SteppedBox box, double value, int steps, bool fine);

} // namespace vlnokres
