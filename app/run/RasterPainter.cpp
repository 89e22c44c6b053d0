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
                             std::function<void(QPainter &, const QRect &)> before, Look look)
    : m_painter(&image), m_pixels(reinterpret_cast<QRgb *>(image.bits())),
      m_pixelsPerRow(image.bytesPerLine() / qsizetype(sizeof(QRgb))), m_ratio(ratio), m_size(sceneSize),
      m_deviceSize(image.size()), m_penWidth(penWidth),
      m_before(std::move(before)), m_look(look)
{
    Q_ASSERT(image.format() == QImage::Format_RGB32);
    m_painter.setWorldTransform(QTransform::fromScale(ratio, ratio));
}

QRect RasterPainter::paint(const DrawOp &op)
{
    if (const auto *width = std::get_if<PenWidth>(&op)) {
        m_penWidth = width->pixels;
        m_pen.reset();
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
    if (!isPainted(line, m_look))
        return {};
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
    setPen(line.ink);
    m_painter.drawLine(from, to);
    return bounds;
}

void RasterPainter::setPen(Ink ink)
{
    if (m_pen == std::pair{ink, m_penWidth})
        return;
    m_pen = {ink, m_penWidth};
    m_painter.setPen(QPen(QColor::fromRgb(rgbOf(ink, m_look.colours)), devicePen() / m_ratio, Qt::SolidLine, Qt::SquareCap));
}

QRect RasterPainter::paintCircle(const Circle &drawn)
{
    const auto painted = dotAsPainted(drawn, m_look);
    if (!painted)
        return {};
    const Circle &circle = *painted;
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
    // Filled straight into the image's rows, as an opaque fill of a one-row rectangle would
    // fill them, without a painter's state saved and brushes built for each row of each dot.
    const QRgb colour = qRgb(0, 0, 0) | rgbOf(circle.ink, m_look.colours);
    for (const PixelSpan &span : spans) {
        QRgb *row = m_pixels + span.y * m_pixelsPerRow;
        std::fill(row + span.xFirst, row + span.xLast + 1, colour);
    }
    return bounds;
}

} // namespace vlnokres
