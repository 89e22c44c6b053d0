#include "Ring.h"

#include <algorithm>
#include <cmath>

namespace vlnokres {
namespace {

// The pixels 0 … count-1 whose centres (i + 0.5) lie within [from, to]. Bounds are clamped
// to just outside the surface before they are converted, so huge or non-finite ones are safe.
struct Range {
    int first;
    int last;
    bool empty() const { return first > last; }
};

Range pixelsCentredWithin(double from, double to, int count)
{
    if (!(from <= to))
        return {0, -1};
    const double lo = std::clamp(from - 0.5, -1.0, double(count));
    const double hi = std::clamp(to - 0.5, -1.0, double(count));
    return {std::max(0, int(std::ceil(lo))), std::min(count - 1, int(std::floor(hi)))};
}

// Half the width of a circle of the given radius at a vertical distance dy from its centre,
// or a negative value where the row misses it.
double halfChord(double radius, double dy)
{
    const double squared = radius * radius - dy * dy;
    return squared >= 0 ? std::sqrt(squared) : -1;
}

} // namespace

std::vector<PixelSpan> ringSpans(Point centre, double radius, double penWidth, int width, int height)
{
    std::vector<PixelSpan> spans;
    if (!std::isfinite(centre.x) || !std::isfinite(centre.y) || !std::isfinite(radius))
        return spans;

    const double outer = std::abs(radius) + penWidth / 2;
    const double inner = std::max(0.0, std::abs(radius) - penWidth / 2);
    const Range rows = pixelsCentredWithin(centre.y - outer, centre.y + outer, height);

    for (int y = rows.first; y <= rows.last; ++y) {
        const double dy = y + 0.5 - centre.y;
        const double outerHalf = halfChord(outer, dy);
        const Range row = pixelsCentredWithin(centre.x - outerHalf, centre.x + outerHalf, width);
        if (row.empty())
            continue;
        // The hole: pixel centres strictly nearer than the inner radius, i.e. the complement
        // of those at or beyond it on either side.
        const double innerHalf = halfChord(inner, dy);
        if (!(innerHalf > 0)) {
            spans.push_back({y, row.first, row.last});
            continue;
        }
        const Range left = pixelsCentredWithin(centre.x - outerHalf, centre.x - innerHalf, width);
        const Range right = pixelsCentredWithin(centre.x + innerHalf, centre.x + outerHalf, width);
        if (!left.empty())
            spans.push_back({y, left.first, left.last});
        if (!right.empty())
            spans.push_back({y, right.first, right.last});
    }
    return spans;
}

} // namespace vlnokres
