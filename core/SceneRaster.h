#pragma once

#include "DrawOp.h"

#include <algorithm>
#include <optional>

namespace vlnokres::raster {

// How the scene's lines become device pixels, alike for every raster output: clipped a little
// outside the scene, so that their caps at the edges still show and nothing beyond is ever
// stepped through, then scaled, and never thinner than a device pixel.
inline constexpr double kClipMargin = 8;

constexpr double devicePen(int penWidth, double ratio) { return std::max(1.0, penWidth * ratio); }

// The program's own lines are those wider than a device pixel and of some length; a thinner one
// or one of no length is the toolkit's.
inline bool isOwnLine(const Line &line, int penWidth, double ratio)
{
    return devicePen(penWidth, ratio) > 1 && line.from != line.to;
}

struct DeviceLine {
    Point from, to; // device pixels
    double width;
};

// The line in device pixels, or nothing where none of it is near the scene.
std::optional<DeviceLine> deviceLine(const Line &line, int penWidth, double ratio, double sceneWidth,
                                     double sceneHeight);

} // namespace vlnokres::raster
