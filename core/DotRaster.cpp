#include "DotRaster.h"

#include <algorithm>
#include <cmath>
#include <optional>

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

} // namespace

// Each row's extents are measured inward from the circle's extreme points (its leftmost,
// rightmost, top and bottom), which are formed once. Near its extremes a circle is almost
// straight, and measured so its outline stays where it belongs however large the circle is:
// the pen's width is not lost in the rounding of a huge radius, and no square overflows.
std::vector<PixelSpan> circleSpans(Point centre, double radius, double penWidth, int width, int height)
{
    std::vector<PixelSpan> spans;
    const double r = std::abs(radius);
    const double half = penWidth / 2;
    const double left = centre.x - r, right = centre.x + r, top = centre.y - r, bottom = centre.y + r;
    for (double v : {left, right, top, bottom})
        if (!std::isfinite(v))
            return spans;

    const double inner = r - half;
    const Range rows = pixelsCentredWithin(top - half, bottom + half, height);
    for (int y = rows.first; y <= rows.last; ++y) {
        const double rowY = y + 0.5;
        const double dy = std::abs(rowY - centre.y);
        const double depth = rowY < centre.y ? rowY - top : bottom - rowY; // r - dy
        // How far a circle of radius r + offset bends in from its extreme points at this row,
        // or nothing where the row misses it.
        auto sag = [&](double offset) -> std::optional<double> {
            const double nearSide = depth + offset;
            if (!(nearSide > 0))
                return std::nullopt;
            const double radiusHere = r + offset;
            const double chord = std::sqrt(nearSide) * std::sqrt(radiusHere + dy);
            return dy * (dy / (radiusHere + chord));
        };
        const auto outerSag = sag(half);
        if (!outerSag)
            continue;
        const double outerLeft = left - half + *outerSag;
        const double outerRight = right + half - *outerSag;
        const auto innerSag = inner > 0 ? sag(-half) : std::nullopt;
        if (!innerSag) {
            const Range row = pixelsCentredWithin(outerLeft, outerRight, width);
            if (!row.empty())
                spans.push_back({y, row.first, row.last});
            continue;
        }
        // The hole: pixel centres strictly nearer than the inner radius, i.e. the complement
        // of those at or beyond it on either side.
        const Range leftArc = pixelsCentredWithin(outerLeft, left + half + *innerSag, width);
        const Range rightArc = pixelsCentredWithin(right - half - *innerSag, outerRight, width);
        if (!leftArc.empty())
            spans.push_back({y, leftArc.first, leftArc.last});
        if (!rightArc.empty())
            spans.push_back({y, rightArc.first, rightArc.last});
    }
    return spans;
}

} // namespace vlnokres
