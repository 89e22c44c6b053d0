#pragma once

#include "DrawOp.h"
#include "SpanArea.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

namespace vlnokres {

// The pixels of a straight line of the given width with square caps: the rectangle around the
// segment, extended by half the width at both ends, its corners on a 64th of a pixel, and of it
// the pixels whose centres lie inside. A centre on the rectangle's bottom or right edge is
// inside, one on its top or left edge is not, so that two rectangles that share an edge share
// no pixel, and a line whose edges fall on the pixels' centres (as the designed scene's do)
// takes the rows and columns the toolkit takes. Coordinates are the image's pixels; the spans
// are clipped to the area, and each is handed to span (row, first, last) as it
// is found, so that no list is built. A segment of no length has no direction to be widened
// along, and paints nothing here. This is the program's own rule for every line wider than a
// pixel; the toolkit's, its yardstick, differs from it on a few pixels along the long sides.
template <typename Span>
void lineSpans(Point from, Point to, double width, const SpanArea &area, Span &&span)
{
    // Far beyond any image a coordinate would not step in fixed point; a caller clips first.
    constexpr double kFarthest = 1 << 28;
    for (const double v : {from.x, from.y, to.x, to.y})
        if (!(std::abs(v) < kFarthest))
            return;
    const double dx = to.x - from.x, dy = to.y - from.y;
    const double length = std::sqrt(dx * dx + dy * dy); // no square can overflow here
    if (!(length > 0) || !(width > 0))
        return;
    const double half = width / 2;
    const double ux = dx / length * half, uy = dy / length * half; // along, half a width
    const Point start{from.x - ux, from.y - uy}, end{to.x + ux, to.y + uy};
    // Rows of another painter's share, or of none: nothing more to find.
    if (std::max(start.y, end.y) + half < area.firstRow - 1 || std::min(start.y, end.y) - half > area.lastRow + 2)
        return;
    const int imageWidth = area.width;
    // Rows whose centres lie in (top, bottom], and of a row the pixels whose centres lie in
    // (left, right]: the first at floor(left + 0,5), the last at floor(right - 0,5).
    const auto rowsOf = [&](double top, double bottom) {
        const double rowsBefore = area.firstRow - 1, rowsAfter = area.lastRow + 1;
        return std::pair{std::max(area.firstRow, int(std::floor(std::clamp(top + 0.5, rowsBefore, rowsAfter)))),
                         std::min(area.lastRow, int(std::floor(std::clamp(bottom - 0.5, rowsBefore, rowsAfter))))};
    };
    const auto pixelAt = [&](double x) { return int(std::floor(std::clamp(x, -1.0, double(imageWidth)))); };
    // Within a 64th of a pixel of level or upright, a line is the rectangle its ends span.
    constexpr double kGrid = 1.0 / 64;
    if (std::abs(end.y - start.y) < kGrid || std::abs(end.x - start.x) < kGrid) {
        const bool level = std::abs(end.y - start.y) < kGrid;
        const double left = level ? std::min(start.x, end.x) : std::min(start.x, end.x) - half;
        const double right = level ? std::max(start.x, end.x) : std::min(start.x, end.x) + half;
        const double top = level ? start.y - half : std::min(start.y, end.y);
        const double bottom = level ? start.y + half : std::max(start.y, end.y);
        const auto [firstRow, lastRow] = rowsOf(top, bottom);
        const int first = std::max(0, pixelAt(left + 0.5)), last = std::min(imageWidth - 1, pixelAt(right - 0.5));
        for (int row = firstRow; row <= lastRow && first <= last; ++row)
            span(row, first, last);
        return;
    }
    const auto grid = [](double x, double y) { return Point{std::floor(x * 64) / 64, std::floor(y * 64) / 64}; };
    const Point corners[4] = {
        grid(start.x - uy, start.y + ux),
        grid(end.x - uy, end.y + ux),
        grid(end.x + uy, end.y - ux),
        grid(start.x + uy, start.y - ux),
    };
    double top = corners[0].y, bottom = corners[0].y;
    for (const Point &c : corners) {
        top = std::min(top, c.y);
        bottom = std::max(bottom, c.y);
    }
    const auto [firstRow, lastRow] = rowsOf(top, bottom);
    // Each edge is stepped row by row in 16.16 fixed point from its first row's centre, where
    // it stands a half pixel further on for a row's first pixel and a half pixel back for its
    // last; and so many rows.
    constexpr double kFixed = 65536;
    struct Edge {
        int firstRow, lastRow;
        double x; // at the first row's centre
        std::int64_t asFirst, asLast, step;
    };
    Edge edges[4];
    int count = 0;
    for (int i = 0; i < 4; ++i) {
        const Point &p = corners[i], &q = corners[(i + 1) % 4];
        if (p.y == q.y)
            continue; // a level edge is no row's left or right end
        const Point &upper = p.y < q.y ? p : q, &lower = p.y < q.y ? q : p;
        const double slope = (lower.x - upper.x) / (lower.y - upper.y);
        const int first = int(std::floor(upper.y + 0.5));
        const double x = upper.x + (first + 0.5 - upper.y) * slope;
        edges[count++] = {first, int(std::floor(lower.y - 0.5)), x, std::int64_t((x + 0.5) * kFixed),
                          std::int64_t((x - 0.5) * kFixed), std::int64_t(slope * kFixed)};
    }
    // The rows go in runs over which the same two edges are a row's ends (three at most): each
    // run finds its edges once and then steps them, a row an addition.
    for (int row = firstRow; row <= lastRow;) {
        const Edge *sides[2];
        int found = 0, runEnd = lastRow;
        for (int i = 0; i < count; ++i) {
            const Edge &e = edges[i];
            if (row >= e.firstRow && row <= e.lastRow && found < 2) {
                sides[found++] = &e;
                runEnd = std::min(runEnd, e.lastRow);
            } else if (e.firstRow > row) {
                runEnd = std::min(runEnd, e.firstRow - 1);
            }
        }
        if (found < 2) {
            row = runEnd + 1;
            continue;
        }
        // In plain variables rather than arrays, so that they stay in registers from row to row.
        const Edge &a = *sides[0], &b = *sides[1];
        std::int64_t aFirst = a.asFirst + (row - a.firstRow) * a.step, aLast = a.asLast + (row - a.firstRow) * a.step;
        std::int64_t bFirst = b.asFirst + (row - b.firstRow) * b.step, bLast = b.asLast + (row - b.firstRow) * b.step;
        const std::int64_t aStep = a.step, bStep = b.step;
        for (; row <= runEnd; ++row) {
            // The edge that lies further left at this row is its left end.
            const bool aIsLeft = aFirst < bFirst;
            const int from = int(std::max<std::int64_t>(0, (aIsLeft ? aFirst : bFirst) >> 16));
            const int to = int(std::min<std::int64_t>(imageWidth - 1, (aIsLeft ? bLast : aLast) >> 16));
            if (from <= to)
                span(row, from, to);
            aFirst += aStep, aLast += aStep, bFirst += bStep, bLast += bStep;
        }
    }
}

} // namespace vlnokres
