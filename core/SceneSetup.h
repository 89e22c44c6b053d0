#pragma once

#include "DrawOp.h"

namespace vlnokres {

// What the Start command draws before the first animation step: pen width 1, the cleared
// band, the upper axis, the lower axis and the time-graph axis, then pen width 2 for the run.
DrawOps sceneSetup();

} // namespace vlnokres
