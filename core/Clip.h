#pragma once

#include "DrawOp.h"

#include <optional>
#include <utility>

namespace vlnokres {

struct ClipRect {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

// The part of the segment a–b inside the rectangle, in double precision, or nullopt where
// none of it is, or where a coordinate is not finite. Unlike a painter fed huge endpoints,
// the result keeps the segment's true slope whatever the magnitudes (up to the largest double).
std::optional<std::pair<Point, Point>> clipSegment(Point a, Point b, const ClipRect &rect);

} // namespace vlnokres
