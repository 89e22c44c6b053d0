#pragma once

#include "DrawOp.h"

#include <vector>

namespace vlnokres {

// A run of pixels on one row, from xFirst to xLast inclusive.
struct PixelSpan {
    int y = 0;
    int xFirst = 0;
    int xLast = 0;
    bool operator==(const PixelSpan &) const = default;
};

// The pixels of a circle outline drawn with a pen of the given width: those whose centres
// lie between radius - pen/2 and radius + pen/2 of the centre, within a width × height
// surface. A circle smaller than its pen is a filled disc, so the dots of the time graph
// (radius 0.3, pen 2) come out solid, about two pixels across, never as a hollow ring.
std::vector<PixelSpan> circleSpans(Point centre, double radius, double penWidth, int width, int height);

} // namespace vlnokres
