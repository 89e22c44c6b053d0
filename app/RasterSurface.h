#pragma once

#include "core/Canvas.h"

#include <QImage>
#include <QList>
#include <QPointer>
#include <QRect>

class QLabel;
class QPainter;
class QWidget;

namespace vlnokres {

// The window's client area as the scene sees it: pixel coordinates, a pen width, lines and
// circle outlines. Drawing goes into a retained image that the window paints from, so covering and uncovering the window never loses it; the controls, being
// widgets of their own, stay on top of it. The image has the screen's resolution: on a
// high-density screen lines and dots are drawn with its finer pixels, not scaled up.
class RasterSurface final : public Canvas
{
public:
    RasterSurface(QWidget &window, QSize size);

    int penWidth() const { return m_penWidth; }
    void draw(const DrawOps &ops) override;

    // Labels lie on the surface itself rather than above it: the first drawing that reaches
    // one paints it into the image and hides the widget, so later drawing covers its text.
    void addLabel(QLabel *label);

    // In device pixels; image().devicePixelRatio() device pixels to a scene pixel.
    const QImage &image() const { return m_image; }
    void paint(QPainter &painter, const QRect &area) const;

private:
    QRect drawOne(QPainter &painter, const DrawOp &op);
    QRect drawLine(QPainter &painter, const Line &line);
    QRect drawCircle(QPainter &painter, const Circle &circle);
    void paintOverLabels(QPainter &painter, const QRect &area);

    QWidget &m_window;
    QSize m_size; // scene pixels
    QImage m_image;
    int m_penWidth = 1;
    QList<QPointer<QLabel>> m_labels;
};

} // namespace vlnokres
