#pragma once

#include "Ink.h"

#include <span>
#include <variant>
#include <vector>

namespace vlnokres {

// Pixels of the drawing surface: origin at the top-left corner of the client area, y downward.
// Coordinates stay in double precision until they are clipped, so that a vector of huge
// length is still drawn to the window's edge at its true angle.
struct Point {
    double x = 0;
    double y = 0;
    bool operator==(const Point &) const = default;
};

// A rectangle of the scene, edges included.
struct Rect {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

struct PenWidth {
    int pixels = 1;
    bool operator==(const PenWidth &) const = default;
};

struct Line {
    Point from;
    Point to;
    Ink ink = Ink::Foreground;
    bool operator==(const Line &) const = default;
};

// The outline of a circle, drawn with the current pen width.
struct Circle {
    Point centre;
    double radius = 0;
    Ink ink = Ink::Foreground;
    bool operator==(const Circle &) const = default;
};

using DrawOp = std::variant<PenWidth, Line, Circle>;
using DrawOps = std::vector<DrawOp>;

// The pen width after the operations, drawn from one of the given width.
inline int penAfter(std::span<const DrawOp> ops, int initial)
{
    for (auto op = ops.rbegin(); op != ops.rend(); ++op)
        if (const auto *width = std::get_if<PenWidth>(&*op))
            return width->pixels;
    return initial;
}

} // namespace vlnokres
