#include "RasterSurface.h"

#include "core/Clip.h"
#include "core/DotRaster.h"

#include <QLabel>
#include <QPainter>
#include <QWidget>

namespace vlnokres {
namespace {

// Lines are clipped a little outside the image, so that their caps at the edges still show,
// and the painter never sees a coordinate it could mishandle.
constexpr double kClipMargin = 8;

QColor colourOf(Ink ink) { return QColor::fromRgb(rgbOf(ink)); }

} // namespace

RasterSurface::RasterSurface(QWidget &window, QSize size)
    : m_window(window), m_size(size), m_image(size * window.devicePixelRatio(), QImage::Format_RGB32)
{
    m_image.setDevicePixelRatio(window.devicePixelRatio());
    m_image.fill(colourOf(Ink::BackgroundGrey));
}

void RasterSurface::draw(const DrawOps &ops)
{
    QPainter painter(&m_image);
    QRect dirty;
    for (const DrawOp &op : ops)
        dirty |= drawOne(painter, op);
    painter.end();
    if (!dirty.isEmpty())
        m_window.update(dirty);
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
    const ClipRect area{-kClipMargin, -kClipMargin, m_size.width() + kClipMargin, m_size.height() + kClipMargin};
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
    painter.setPen(QPen(colourOf(line.ink), m_penWidth, Qt::SolidLine, Qt::SquareCap));
    painter.drawLine(from, to);
    return bounds;
}

// Circles are filled span by span in device pixels, so that a dot is solid and round at any
// screen density.
QRect RasterSurface::drawCircle(QPainter &painter, const Circle &circle)
{
    const double ratio = m_image.devicePixelRatio();
    const auto spans = circleSpans({circle.centre.x * ratio, circle.centre.y * ratio}, circle.radius * ratio,
                                 m_penWidth * ratio, m_image.width(), m_image.height());
    QRect deviceBounds;
    for (const PixelSpan &span : spans)
        deviceBounds |= QRect(QPoint(span.xFirst, span.y), QPoint(span.xLast, span.y));
    if (deviceBounds.isEmpty())
        return {};
    const QRect bounds = QRectF(deviceBounds.topLeft() / ratio, deviceBounds.size() / ratio).toAlignedRect();
    paintOverLabels(painter, bounds);
    // The painter scales scene pixels to device pixels; undo that to fill device pixels.
    painter.save();
    painter.setWorldTransform(QTransform::fromScale(1 / ratio, 1 / ratio));
    const QColor colour = colourOf(circle.ink);
    for (const PixelSpan &span : spans)
        painter.fillRect(QRect(QPoint(span.xFirst, span.y), QPoint(span.xLast, span.y)), colour);
    painter.restore();
    return bounds;
}

void RasterSurface::addLabel(QLabel *label) { m_labels.append(label); }

void RasterSurface::paintOverLabels(QPainter &painter, const QRect &area)
{
    for (const QPointer<QLabel> &label : std::as_const(m_labels)) {
        if (!label || label->isHidden() || !label->geometry().intersects(area))
            continue;
        label->render(&painter, label->pos(), QRegion(), QWidget::DrawChildren);
        label->hide();
    }
}

void RasterSurface::paint(QPainter &painter, const QRect &area) const
{
    const QRect shown = area & QRect({}, m_size);
    if (shown.isEmpty())
        return;
    const double ratio = m_image.devicePixelRatio();
    painter.drawImage(QRectF(shown), m_image, QRectF(shown.topLeft() * ratio, shown.size() * ratio));
}

} // namespace vlnokres
