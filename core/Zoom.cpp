#include "Zoom.h"

#include <algorithm>

namespace vlnokres::zoom {

double toFit(double width, double height, double designWidth, double designHeight)
{
    return std::max(0.0, std::min(width / designWidth, height / designHeight));
}

double larger(double zoom) { return zoom * kStep; }

double smaller(double zoom) { return std::max(kSmallest, zoom / kStep); }

double atStart(double freeWidth, double freeHeight, double designWidth, double designHeight)
{
    return std::clamp(toFit(freeWidth, freeHeight, designWidth, designHeight), kSmallest, 1.0);
}

} // namespace vlnokres::zoom
