#include "SceneRaster.h"

#include "Clip.h"

namespace vlnokres::raster {

std::optional<DeviceLine> deviceLine(const Line &line, int penWidth, double ratio, double sceneWidth,
                                     double sceneHeight)
{
    const Rect area{-kClipMargin, -kClipMargin, sceneWidth + kClipMargin, sceneHeight + kClipMargin};
    const auto clipped = clipSegment(line.from, line.to, area);
    if (!clipped)
        return std::nullopt;
    const auto [from, to] = *clipped;
    return DeviceLine{{from.x * ratio, from.y * ratio}, {to.x * ratio, to.y * ratio}, devicePen(penWidth, ratio)};
}

} // namespace vlnokres::raster
