#pragma once

#include "core/DrawOp.h"
#include "core/Ink.h"
#include "core/TraceStyle.h"

#include <QPainter>
#include <QRect>

#include <functional>
#include <optional>

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
    QPainter &painter() { return m_painter; }
    int penWidth() const { return m_penWidth; }

private:
    QRect paintLine(const Line &line);
    QRect paintCircle(const Circle &circle);
    double devicePen() const;

    void setPen(Ink ink);

    QPainter m_painter;
    QRgb *m_pixels;
    qsizetype m_pixelsPerRow;
    double m_ratio;
    QSize m_size;
    QSize m_deviceSize;
    int m_penWidth;
    std::function<void(QPainter &, const QRect &)> m_before;
    Look m_look;
    // The pen the painter holds, so that a line in the same colour and width as the last one
    // does not build and hand over a new pen.
    std::optional<std::pair<Ink, int>> m_pen;
};

} // namespace vlnokres
