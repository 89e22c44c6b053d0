#pragma once

#include "core/DrawOp.h"

#include <QString>

namespace vlnokres {

// Where a picture is drawn as shapes, in scene pixels: an SVG file being written, or a painter
// on a PDF page. Colours are 0xRRGGBB.
class ShapeSink
{
public:
    virtual ~ShapeSink() = default;
    virtual void line(Point from, Point to, double width, std::uint32_t rgb) = 0;
    virtual void disc(Point centre, double radius, std::uint32_t rgb) = 0;
    virtual void ring(Point centre, double radius, double width, std::uint32_t rgb) = 0;
    // The "+" between the upper vectors, as the window shows its box.
    virtual void plusBox(const Rect &box) = 0;
    virtual void caption(Point baselineStart, const QString &text) = 0;
};

// The picture's shapes: the scene's visible operations, clipped to the picture (so that no
// coordinate is huge or not finite), then the "+" box and the caption. A dot, a circle
// smaller than its pen, is a filled disc.
void emitPicture(ShapeSink &sink, const DrawOps &sceneOps, const QString &caption);

} // namespace vlnokres
