#pragma once

#include "DrawOp.h"

#include <span>

namespace vlnokres {

// A long batch of operations painted by two painters at once, one above a row and one from it
// down: each paints every operation, but only into its own rows, so each pixel is painted by
// the operations that reach it in their order, exactly as one painter would paint it.
struct PaintShares {
    int splitRow = 0; // the first device row of the lower share
    Rect reach;       // the scene pixels that the batch may touch, nothing clipped
};

// The row that parts the work about evenly, as far as the operations' rows tell it (a line
// costs something to set up and then something a row), for the given pen to begin with, ratio
// device pixels a scene pixel, and so many device rows.
PaintShares sharesOf(std::span<const DrawOp> ops, int penWidth, double ratio, int deviceRows);

} // namespace vlnokres
