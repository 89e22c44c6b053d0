#include "RasterPainter.h"

#include "core/Clip.h"
#include "core/DotRaster.h"

#include <QImage>

#include <algorithm>

namespace vlnokres {
namespace {

// Lines are clipped a little outside the image, so that their caps at the edges still show,
// and the painter never sees a coordinate it could mishandle.
constexpr double kClipMargin = 8;

} // namespace

// The image holds device pixels; the painter draws in scene pixels, scaled to them. (The
// image's own pixel ratio is left at 1: a painter would not scale below it.)
RasterPainter::RasterPainter(QImage &image, double ratio, QSize sceneSize, int penWidth,
                             std::function<void(QPainter &, const QRect &)> before, Colours colours)
    : m_painter(&image), m_ratio(ratio), m_size(sceneSize), m_deviceSize(image.size()), m_penWidth(penWidth),
      m_before(std::move(before)), m_colours(colours)
{
    m_painter.setWorldTransform(QTransform::fromScale(ratio, ratio));
}

QRect RasterPainter::paint(const DrawOp &op)
{
    if (const auto *width = std::get_if<PenWidth>(&op)) {
        m_penWidth = width->pixels;
        return {};
    }
    if (const auto *line = std::get_if<Line>(&op))
        return paintLine(*line);
    return paintCircle(std::get<Circle>(op));
}

// Below zoom 1 a pen would become thinner than a device pixel: the one-pixel rows of the clear
// would leave rows between them, and the axes would break up. No pen is thinner than one.
double RasterPainter::devicePen() const { return std::max(1.0, m_penWidth * m_ratio); }

QRect RasterPainter::paintLine(const Line &line)
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
    if (m_before)
        m_before(m_painter, bounds);
    // Square rather than round caps: at two pixels they look the same, and round ones cost
    // the painter a curve each, more than doubling the time of a step.
    m_painter.setPen(QPen(QColor::fromRgb(rgbOf(line.ink, m_colours)), devicePen() / m_ratio, Qt::SolidLine, Qt::SquareCap));
    m_painter.drawLine(from, to);
    return bounds;
}

QRect RasterPainter::paintCircle(const Circle &circle)
{
    const auto spans = circleSpans({circle.centre.x * m_ratio, circle.centre.y * m_ratio}, circle.radius * m_ratio,
                                   devicePen(), m_deviceSize.width(), m_deviceSize.height());
    QRect deviceBounds;
    for (const PixelSpan &span : spans)
        deviceBounds |= QRect(QPoint(span.xFirst, span.y), QPoint(span.xLast, span.y));
    if (deviceBounds.isEmpty())
        return {};
    // In fractions until aligned outwards: a QPoint or QSize divided rounds, and could cut the
    // dot's last scene pixel off the area repainted.
    const QRect bounds =
        QRectF(QPointF(deviceBounds.topLeft()) / m_ratio, QSizeF(deviceBounds.size()) / m_ratio).toAlignedRect();
    if (m_before)
        m_before(m_painter, bounds);
    // The painter scales scene pixels to device pixels; undo that to fill device pixels.
    m_painter.save();
    m_painter.resetTransform();
    const QColor colour = QColor::fromRgb(rgbOf(circle.ink, m_colours));
    for (const PixelSpan &span : spans)
        m_painter.fillRect(QRect(QPoint(span.xFirst, span.y), QPoint(span.xLast, span.y)), colour);
    m_painter.restore();
    return bounds;
}

} // namespace vlnokres
