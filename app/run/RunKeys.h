#pragma once

#include "core/StepOperations.h"

#include <Qt>

namespace vlnokres {

// What a key does to a run going on: P (without modifiers) or Pause pauses and resumes it,
// Escape stops it, and while it is paused the arrows, Page Up and Down, Home and End move it
// a step, a twenty-sixth of the run (fifty steps of the designed one), or to the first or
// the last. Any other key is no run's.
struct RunKey {
    enum class Act { None, TogglePause, Stop, MoveTo };
    Act act = Act::None;
    int step = 0; // where MoveTo moves it

    bool operator==(const RunKey &) const = default;
};

RunKey runKeyOf(int key, Qt::KeyboardModifiers modifiers, bool paused, int shownStep, TimeAxis axis = {});

} // namespace vlnokres
