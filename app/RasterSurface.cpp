#include "RasterSurface.h"

#include "core/Clip.h"
#include "core/DotRaster.h"

#include <QLabel>
#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace vlnokres {
namespace {

// Lines are clipped a little outside the image, so that their caps at the edges still show,
// and the painter never sees a coordinate it could mishandle.
constexpr double kClipMargin = 8;

QColor colourOf(Ink ink) { return QColor::fromRgb(rgbOf(ink)); }

} // namespace

RasterSurface::RasterSurface(QWidget &window, QSize sceneSize) : m_window(window), m_size(sceneSize) { render(); }

void RasterSurface::beginScene() { m_drawing.beginScene(); }

// The image holds device pixels; the painter draws in scene pixels, scaled to them. (The
// image's own pixel ratio is left at 1: a painter would not scale below it.)
void RasterSurface::beginPainting(QPainter &painter)
{
    painter.begin(&m_image);
    painter.setWorldTransform(QTransform::fromScale(m_ratio, m_ratio));
}

void RasterSurface::draw(const DrawOps &ops)
{
    m_drawing.add(ops);
    QPainter painter;
    beginPainting(painter);
    QRect dirty;
    for (const DrawOp &op : ops)
        dirty |= drawOne(painter, op);
    painter.end();
    if (!dirty.isEmpty())
        m_window.update(toWindow(dirty));
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
    m_image.fill(colourOf(Ink::BackgroundGrey));
    QPainter painter;
    beginPainting(painter);
    for (const SurfaceLabel &label : std::as_const(m_labels))
        if (label.paintedOver)
            paintLabel(painter, label);
    m_penWidth = 1;
    for (const DrawOp &op : m_drawing.ops())
        drawOne(painter, op);
}

QRect RasterSurface::drawOne(QPainter &painter, const DrawOp &op)
{
    if (const auto *width = std::get_if<PenWidth>(&op)) {
        m_penWidth = width->pixels;
        return {};
    }
    if (const auto *line = std::get_if<Line>(&op))
        return drawLine(painter, *line);
    return drawCircle(painter, std::get<Circle>(op));
}

QRect RasterSurface::drawLine(QPainter &painter, const Line &line)
{
    const Rect area{-kClipMargin, -kClipMargin, m_size.width() + kClipMargin, m_size.height() + kClipMargin};
    const auto clipped = clipSegment(line.from, line.to, area);
    if (!clipped)
        return {};
    const QPointF from(clipped->first.x, clipped->first.y);
    const QPointF to(clipped->second.x, clipped->second.y);
    const int reach = m_penWidth + 1;
    const QRect bounds =
        QRectF(from, to).normalized().toAlignedRect().adjusted(-reach, -reach, reach, reach) & QRect({}, m_size);
    if (bounds.isEmpty())
        return {};
    paintOverLabels(painter, bounds);
    // Square rather than round caps: at two pixels they look the same, and round ones cost
    // the painter a curve each, more than doubling the time of a step.
    painter.setPen(QPen(colourOf(line.ink), devicePen() / m_ratio, Qt::SolidLine, Qt::SquareCap));
    painter.drawLine(from, to);
    return bounds;
}

// Circles are filled span by span in device pixels, so that a dot is solid and round at any
// resolution.
QRect RasterSurface::drawCircle(QPainter &painter, const Circle &circle)
{
    const double ratio = m_ratio;
    const auto spans = circleSpans({circle.centre.x * ratio, circle.centre.y * ratio}, circle.radius * ratio,
                                   devicePen(), m_image.width(), m_image.height());
    QRect deviceBounds;
    for (const PixelSpan &span : spans)
        deviceBounds |= QRect(QPoint(span.xFirst, span.y), QPoint(span.xLast, span.y));
    if (deviceBounds.isEmpty())
        return {};
    const QRect bounds = QRectF(deviceBounds.topLeft() / ratio, deviceBounds.size() / ratio).toAlignedRect();
    paintOverLabels(painter, bounds);
    // The painter scales scene pixels to device pixels; undo that to fill device pixels.
    painter.save();
    painter.resetTransform();
    const QColor colour = colourOf(circle.ink);
    for (const PixelSpan &span : spans)
        painter.fillRect(QRect(QPoint(span.xFirst, span.y), QPoint(span.xLast, span.y)), colour);
    painter.restore();
    return bounds;
}

// Below zoom 1 a pen would become thinner than a device pixel: the one-pixel rows of the clear
// would leave rows between them, and the axes would break up. No pen is thinner than one.
double RasterSurface::devicePen() const { return std::max(1.0, m_penWidth * m_ratio); }

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
