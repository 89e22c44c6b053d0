#pragma once

#include "Phasors.h"

#include <chrono>

namespace vlnokres {

class DrawingSurface;
class Pacer;

// Draws the kSteps steps of the phasors and their traces, pausing after each, then restores
// the axes. Returns early only when the pacer says the window has been closed.
void runAnimation(const SecondSinusoid &second, std::chrono::nanoseconds pausePerStep, DrawingSurface &surface,
                  Pacer &pacer);

} // namespace vlnokres
