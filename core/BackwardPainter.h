#pragma once

#include "DrawOp.h"
#include "PixelRows.h"
#include "TraceStyle.h"

#include <cstdint>
#include <span>
#include <vector>

namespace vlnokres {

// Paints a batch of operations over what the rows already show, from the batch's last
// operation back to its first: a pixel takes the colour of the first operation to reach it so
// (the last in the batch's order) and is then decided, so that the picture is exactly the one
// painted in order, and what a later operation covers costs only the finding that it is
// covered. Around each of the given centres (a diagram's origin, where a swept disc lies) it
// keeps the radius within which every pixel is decided: a line, or the part of it, within that
// radius is passed over without being looked at row by row, and the swept discs of a long run,
// some hundred thousand lines of which a few thousand still show, cost little more than those.
//
// It paints what the program paints itself (circles, and lines wider than a device pixel and of
// some length: paintsItself), as RasterPainter does, pixel for pixel.
class BackwardPainter
{
public:
    // Ratio device pixels a scene pixel; the scene's size in its pixels; centres in scene pixels.
    BackwardPainter(const PixelRows &rows, double ratio, double sceneWidth, double sceneHeight, Look look,
                    std::span<const Point> centres);

    // The operations, the first drawn with penWidth unless they set their own. Where adds is
    // given (as long as ops), each operation that decided a pixel is marked in it; rows without
    // pixels (a null pointer) are only decided, not painted.
    void paint(std::span<const DrawOp> ops, int penWidth, std::vector<bool> *adds = nullptr);

    static bool paintsItself(const DrawOp &op, int penWidth, double ratio);

private:
    struct Centre {
        Point at;           // device pixels
        double decided = 0; // every pixel of the rows whose centre is nearer than this is decided
    };

    void paintLine(const Line &line, int penWidth);
    void paintCircle(const Circle &circle, int penWidth);
    void paintSpan(int row, int first, int last, std::uint32_t colour);
    void findDecidedRadii();
    double decidedRadius(Point centre) const;
    std::uint64_t *maskRow(int row) { return m_mask.data() + std::ptrdiff_t(row - m_rows.area.firstRow) * m_words; }
    const std::uint64_t *maskRow(int row) const
    {
        return m_mask.data() + std::ptrdiff_t(row - m_rows.area.firstRow) * m_words;
    }

    PixelRows m_rows;
    double m_ratio;
    double m_sceneWidth, m_sceneHeight;
    Look m_look;
    double m_top, m_bottom; // the scene rows that the rows painted lie in
    std::vector<Centre> m_centres;
    int m_words; // a row's words of the mask
    std::vector<std::uint64_t> m_mask; // a set bit: the pixel is decided
    bool m_added = false;              // the operation being painted decided a pixel
};

} // namespace vlnokres
