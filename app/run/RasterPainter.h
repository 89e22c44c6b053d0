#pragma once

#include "core/DrawOp.h"
#include "core/Ink.h"
#include "core/PaintShares.h"
#include "core/PixelRows.h"
#include "core/TraceStyle.h"

#include <QPainter>
#include <QRect>

#include <functional>
#include <optional>
#include <span>

class QImage;

namespace vlnokres {

// Paints drawing operations into an image of device pixels, ratio of them to a scene pixel,
// as the window shows them: lines clipped and with square caps, dots filled span by span so
// that they are solid and round, no pen thinner than a device pixel, nothing antialiased.
class RasterPainter
{
public:
    // before, if given, is called with the scene pixels that an operation is about to paint,
    // before it paints them.
    RasterPainter(QImage &image, double ratio, QSize sceneSize, int penWidth = 1,
                  std::function<void(QPainter &, const QRect &)> before = {}, Look look = {});

    // The scene pixels it painted, or an empty rectangle.
    QRect paint(const DrawOp &op);
    // From now on paints device rows first … last only, the share of one of two painters.
    void keepToRows(int first, int last);
    QPainter &painter() { return m_painter; }
    int penWidth() const { return m_penWidth; }

private:
    QRect paintLine(const Line &line);
    QRect paintCircle(const Circle &circle);
    double devicePen() const;

    void setPen(Ink ink);

    QPainter m_painter;
    PixelRows m_rows;
    double m_ratio;
    QSize m_size;
    // The scene rows that the device rows painted lie in, with a pen's reach to spare.
    double m_top, m_bottom;
    int m_penWidth;
    std::function<void(QPainter &, const QRect &)> m_before;
    Look m_look;
    // The pen the painter holds, so that a line in the same colour and width as the last one
    // does not build and hand over a new pen.
    std::optional<std::pair<Ink, int>> m_pen;
};

// A batch of operations painted as one painter paints it, by two at once where the shares
// part it (the upper rows by one, the rest by the other): the scene pixels painted, and the
// pen after it. Labels are not painted over.
struct Painted {
    QRect area;
    int penWidth;
};
Painted paintShared(QImage &image, double ratio, QSize sceneSize, int penWidth, Look look,
                    std::span<const DrawOp> ops, const PaintShares &shares);
Painted paintShared(QImage &image, double ratio, QSize sceneSize, int penWidth, Look look,
                    std::span<const DrawOp> ops);

} // namespace vlnokres
