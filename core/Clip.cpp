#include "Clip.h"

#include <cmath>

namespace vlnokres {
namespace {

// One edge of the rectangle seen along one axis: along is the coordinate the edge bounds,
// across the other one. keepAbove says which side of the edge is inside.
struct Edge {
    double Point::*along;
    double Point::*across;
    double at;
    bool keepAbove;

    bool inside(const Point &p) const { return keepAbove ? p.*along >= at : p.*along <= at; }
};

// Where the segment crosses the edge, measured from the endpoint nearer to it. The
// differences are formed on halved coordinates, so they cannot overflow, and the step from
// the nearer endpoint is at most half the segment, so the interpolation factor stays within 1.
Point crossing(const Point &a, const Point &b, const Edge &e)
{
    const bool aNearer = std::abs(a.*e.along - e.at) <= std::abs(b.*e.along - e.at);
    const Point &near = aNearer ? a : b;
    const Point &far = aNearer ? b : a;
    const double halfAlong = far.*e.along / 2 - near.*e.along / 2;
    const double halfAcross = far.*e.across / 2 - near.*e.across / 2;
    const double factor = (e.at - near.*e.along) / halfAlong;
    Point p;
    p.*e.along = e.at;
    p.*e.across = near.*e.across + factor * halfAcross;
    return p;
}

} // namespace

std::optional<std::pair<Point, Point>> clipSegment(Point a, Point b, const Rect &rect)
{
    // Wholly inside, as almost every line of the scene is: as it is (not a number fails here).
    const auto within = [&rect](const Point &p) {
        return p.x >= rect.left && p.x <= rect.right && p.y >= rect.top && p.y <= rect.bottom;
    };
    if (within(a) && within(b))
        return std::pair{a, b};
    for (double v : {a.x, a.y, b.x, b.y})
        if (!std::isfinite(v))
            return std::nullopt;

    const Edge edges[] = {
        {&Point::x, &Point::y, rect.left, true},
        {&Point::x, &Point::y, rect.right, false},
        {&Point::y, &Point::x, rect.top, true},
        {&Point::y, &Point::x, rect.bottom, false},
    };
    for (const Edge &e : edges) {
        const bool aIn = e.inside(a);
        const bool bIn = e.inside(b);
        if (!aIn && !bIn)
            return std::nullopt;
        if (!aIn)
            a = crossing(a, b, e);
        else if (!bIn)
            b = crossing(a, b, e);
    }
    return std::pair{a, b};
}

} // namespace vlnokres
