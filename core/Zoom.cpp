#include "Zoom.h"

#include "SceneGeometry.h"

#include <algorithm>

namespace vlnokres::zoom {

double toFit(double width, double height)
{
    return std::max(0.0, std::min(width / scene::kClientWidth, height / scene::kClientHeight));
}

double larger(double zoom) { return zoom * kStep; }

double smaller(double zoom) { return std::max(kSmallest, zoom / kStep); }

double atStart(double freeWidth, double freeHeight, double wanted)
{
    return std::max(kSmallest, std::min(wanted, toFit(freeWidth, freeHeight)));
}

} // namespace vlnokres::zoom
