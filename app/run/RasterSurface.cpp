#include "RasterSurface.h"

#include "RasterPainter.h"

#include <QLabel>
#include <QPainter>
#include <QWidget>

#include <cmath>

namespace vlnokres {

RasterSurface::RasterSurface(QWidget &window, QSize sceneSize) : m_window(window), m_size(sceneSize) { render(); }

void RasterSurface::beginScene() { m_drawing.beginScene(); }

void RasterSurface::draw(const DrawOps &ops)
{
    m_drawing.draw(ops);
    QRect dirty;
    {
        RasterPainter painter = painterOnImage();
        for (const DrawOp &op : ops)
            dirty |= painter.paint(op);
        m_penWidth = painter.penWidth();
    }
    if (!dirty.isEmpty())
        m_window.update(toWindow(dirty));
}

// Starts with the current pen; the labels that drawing is about to reach are painted first.
RasterPainter RasterSurface::painterOnImage()
{
    return RasterPainter(
        m_image, m_ratio, m_size, m_penWidth,
        [this](QPainter &onImage, const QRect &area) { paintOverLabels(onImage, area); }, m_colours);
}

void RasterSurface::setColours(Colours colours)
{
    if (colours == m_colours)
        return;
    m_colours = colours;
    if (m_ratio > 0) {
        render();
        m_window.update();
    }
}

void RasterSurface::setPlacement(QPoint origin, double zoom)
{
    m_origin = origin;
    m_zoom = zoom;
    if (m_ratio != zoom * m_window.devicePixelRatio())
        render();
}

QRect RasterSurface::shownArea() const { return toWindow(QRect({}, m_size)); }

// The whole picture again: the labels that drawing has covered (none of the operations
// before the one that reached a label touched it, so painting it first changes nothing),
// then every operation that still shows, in order.
void RasterSurface::render()
{
    m_ratio = m_zoom * m_window.devicePixelRatio();
    m_image = QImage(QSize(int(std::lround(m_size.width() * m_ratio)), int(std::lround(m_size.height() * m_ratio))),
                     QImage::Format_RGB32);
    m_image.fill(QColor::fromRgb(rgbOf(Ink::BackgroundGrey)));
    m_penWidth = 1;
    RasterPainter painter = painterOnImage();
    for (const SurfaceLabel &label : std::as_const(m_labels))
        if (label.paintedOver)
            paintLabel(painter.painter(), label);
    for (const DrawOp &op : m_drawing.ops())
        painter.paint(op);
    m_penWidth = painter.penWidth();
}

void RasterSurface::addLabel(QLabel *label, QRect designRect)
{
    m_labels.append({label, designRect, label->font(), label->text(), label->alignment()});
}

void RasterSurface::paintOverLabels(QPainter &painter, const QRect &area)
{
    for (SurfaceLabel &label : m_labels) {
        if (label.paintedOver || !label.designRect.intersects(area))
            continue;
        paintLabel(painter, label);
        label.paintedOver = true;
        if (label.label)
            label.label->hide();
    }
}

// The label's text as the label shows it at the design's size, in the scene's pixels, so that
// it is drawn at the picture's resolution like everything else.
void RasterSurface::paintLabel(QPainter &painter, const SurfaceLabel &label) const
{
    painter.save();
    painter.setFont(label.font);
    painter.setPen(Qt::black);
    painter.drawText(label.designRect, int(label.alignment) | Qt::TextDontClip, label.text);
    painter.restore();
}

QRect RasterSurface::toWindow(const QRect &sceneArea) const
{
    const QRectF scaled(QPointF(sceneArea.topLeft()) * m_zoom, QSizeF(sceneArea.size()) * m_zoom);
    return scaled.toAlignedRect().translated(m_origin).adjusted(-1, -1, 1, 1);
}

void RasterSurface::paint(QPainter &painter, const QRect &area) const
{
    const QRectF target(m_origin, QSizeF(m_image.size()) / m_window.devicePixelRatio());
    const QRectF shown = QRectF(area) & target;
    if (shown.isEmpty())
        return;
    const double toImage = m_window.devicePixelRatio();
    painter.drawImage(shown, m_image, QRectF((shown.topLeft() - target.topLeft()) * toImage, shown.size() * toImage));
}

} // namespace vlnokres
