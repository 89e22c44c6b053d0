#pragma once

#include "DrawOp.h"

#include <optional>
#include <utility>

namespace vlnokres {

// The part of the segment a–b inside the rectangle, in double precision, or nullopt where
// none of it is, or where a coordinate is not finite. Unlike a painter fed huge endpoints,
// the result keeps the segment's true slope whatever the magnitudes (up to the largest double).
std::optional<std::pair<Point, Point>> clipSegment(Point a, Point b, const Rect &rect);

} // namespace vlnokres
