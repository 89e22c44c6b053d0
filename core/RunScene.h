#pragma once

#include "DrawOp.h"
#include "StartChecks.h"
#include "StepOperations.h"

namespace vlnokres {

// A run's scene as operations, in one place for the window, the pictures and the animation:
// the envelope that the readouts put under the run, the steps, and the scene as it stands
// after any step.
struct RunScene {
    Parameters parameters;
    bool readouts = false; // the envelope drawn under the run
    TimeAxis axis;

    // Drawn with the set-up, before the first step.
    DrawOps underlay() const;
    DrawOps opening() const;
    // Steps first … last, in order.
    DrawOps steps(int first, int last) const;
    // After step (1 … axis.steps()), from a cleared band; a run that has ended gets its
    // closing axes.
    DrawOps at(int step, bool ended) const;
    // The same scene painted with what a later operation of it paints exactly over left out:
    // the current vectors of every step but the last, which the next step erases with the very
    // same lines, and once the run has ended the set-up's horizontal axes, which its closing
    // axes draw again. It paints the same pixels as at(), in a little more than half the
    // operations, and is had as fast as they can be written down.
    DrawOps showing(int step, bool ended) const;
};

} // namespace vlnokres
