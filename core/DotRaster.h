#pragma once

#include "DrawOp.h"
#include "SpanArea.h"

#include <algorithm>
#include <cmath>
#include <optional>
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
namespace dot {

// The pixels 0 … count-1 whose centres (i + 0.5) lie within [from, to]. Bounds are clamped
// to just outside the surface before they are converted, so huge or non-finite ones are safe.
struct Range {
    int first;
    int last;
    bool empty() const { return first > last; }
};

inline Range pixelsCentredWithin(double from, double to, int first, int last)
{
    if (!(from <= to))
        return {0, -1};
    const double lo = std::clamp(from - 0.5, first - 1.0, last + 1.0);
    const double hi = std::clamp(to - 0.5, first - 1.0, last + 1.0);
    return {std::max(first, int(std::ceil(lo))), std::min(last, int(std::floor(hi)))};
}

} // namespace dot

// The same spans within an area, each handed to span as it is found, so that no list is built.
//
// Each row's extents are measured inward from the circle's extreme points (its leftmost,
// rightmost, top and bottom), which are formed once. Near its extremes a circle is almost
// straight, and measured so its outline stays where it belongs however large the circle is:
// the pen's width is not lost in the rounding of a huge radius, and no square overflows.
template <typename Span>
void forEachCircleSpan(Point centre, double radius, double penWidth, const SpanArea &area, Span &&span)
{
    using dot::pixelsCentredWithin;
    const double r = std::abs(radius);
    const double half = penWidth / 2;
    const double left = centre.x - r, right = centre.x + r, top = centre.y - r, bottom = centre.y + r;
    for (double v : {left, right, top, bottom})
        if (!std::isfinite(v))
            return;

    const double inner = r - half;
    const int lastColumn = area.width - 1;
    const auto rows = pixelsCentredWithin(top - half, bottom + half, area.firstRow, area.lastRow);
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
            const auto row = pixelsCentredWithin(outerLeft, outerRight, 0, lastColumn);
            if (!row.empty())
                span(PixelSpan{y, row.first, row.last});
            continue;
        }
        // The hole: pixel centres strictly nearer than the inner radius, i.e. the complement
        // of those at or beyond it on either side.
        const auto leftArc = pixelsCentredWithin(outerLeft, left + half + *innerSag, 0, lastColumn);
        const auto rightArc = pixelsCentredWithin(right - half - *innerSag, outerRight, 0, lastColumn);
        if (!leftArc.empty())
            span(PixelSpan{y, leftArc.first, leftArc.last});
        if (!rightArc.empty())
            span(PixelSpan{y, rightArc.first, rightArc.last});
    }
}

} // namespace vlnokres
