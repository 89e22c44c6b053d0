#pragma once

#include "DrawOp.h"

namespace vlnokres {

// What the Start command draws before the first animation step: pen width 1, the cleared
// band, the upper axis, the lower axis and the time-graph axis (at right angles, the plane's
// vertical axis too), then pen width 2 for the run.
DrawOps sceneSetup(bool perpendicular = false);

} // namespace vlnokres
