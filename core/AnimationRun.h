#pragma once

#include "RunCursor.h"
#include "StepOperations.h"

#include <chrono>

namespace vlnokres {

class Canvas;
class Pacer;

// Clears the band and draws the axes, then draws the steps of the phasors and their traces
// that the time axis holds, pausing after each, and restores the axes. A run that the pacer stops restores the
// axes where it stands; one whose window has been closed returns at once. The cursor, where
// one is given, tells which step shows; a run moved to another step while paused goes on from
// there, its remaining steps taking their own time. The underlay (the readouts' envelope) is
// drawn with the set-up, under the run.
void runAnimation(const SecondSinusoid &second, std::chrono::nanoseconds pausePerStep, Canvas &canvas,
                  Pacer &pacer, RunCursor *cursor = nullptr, const DrawOps &underlay = {}, TimeAxis axis = {});

// The same run at once, without pauses, as it stands after step lastStep (1 … axis.steps());
// only a whole run gets its finishing axes.
void drawAnimationUpTo(const SecondSinusoid &second, int lastStep, Canvas &canvas, const DrawOps &underlay = {},
                       TimeAxis axis = {});

} // namespace vlnokres
