#include "RasterPainter.h"

#include "core/BackwardPainter.h"
#include "core/Clip.h"
#include "core/DotRaster.h"
#include "core/LineRaster.h"
#include "core/SceneGeometry.h"
#include "core/SceneRaster.h"

#include <QImage>

#include <algorithm>
#include <thread>

namespace vlnokres {
namespace {

// Lines are clipped a little outside the image, so that their caps at the edges still show,
// and the painter never sees a coordinate it could mishandle.
constexpr double kClipMargin = raster::kClipMargin;
// A dot is a few device pixels across, at most some dozens at the largest zoom.
constexpr int kMostDotRows = 64;

} // namespace

// The image holds device pixels; the painter draws in scene pixels, scaled to them. (The
// image's own pixel ratio is left at 1: a painter would not scale below it.)
RasterPainter::RasterPainter(QImage &image, double ratio, QSize sceneSize, int penWidth,
                             std::function<void(QPainter &, const QRect &)> before, Look look)
    : m_painter(&image),
      m_rows{reinterpret_cast<std::uint32_t *>(image.bits()), image.bytesPerLine() / qsizetype(sizeof(QRgb)),
             SpanArea::wholeOf(image.width(), image.height())},
      m_ratio(ratio), m_size(sceneSize), m_top(-1e300), m_bottom(1e300), m_penWidth(penWidth),
      m_before(std::move(before)), m_look(look)
{
    Q_ASSERT(image.format() == QImage::Format_RGB32);
    m_painter.setWorldTransform(QTransform::fromScale(ratio, ratio));
}

void RasterPainter::keepToRows(int first, int last)
{
    m_rows.area.firstRow = first;
    m_rows.area.lastRow = last;
    m_top = first / m_ratio;
    m_bottom = (last + 1) / m_ratio;
    // The toolkit's thin lines, clipped to the same rows in device pixels.
    m_painter.setWorldMatrixEnabled(false);
    m_painter.setClipRect(QRect(0, first, m_rows.area.width, last - first + 1));
    m_painter.setWorldMatrixEnabled(true);
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
double RasterPainter::devicePen() const { return raster::devicePen(m_penWidth, m_ratio); }

QRect RasterPainter::paintLine(const Line &line)
{
    if (!isPainted(line, m_look))
        return {};
    // Wholly above or below the rows painted: another painter's (a comparison with a coordinate
    // that is not a number is false, and goes on to the clipping, which drops it).
    const double reach = m_penWidth + 1;
    if (std::max(line.from.y, line.to.y) + reach < m_top || std::min(line.from.y, line.to.y) - reach > m_bottom)
        return {};
    const Rect area{-kClipMargin, -kClipMargin, m_size.width() + kClipMargin, m_size.height() + kClipMargin};
    const auto clipped = clipSegment(line.from, line.to, area);
    if (!clipped)
        return {};
    const QPointF from(clipped->first.x, clipped->first.y);
    const QPointF to(clipped->second.x, clipped->second.y);
    const int around = m_penWidth + 1;
    const QRect bounds =
        QRectF(from, to).normalized().toAlignedRect().adjusted(-around, -around, around, around) & QRect({}, m_size);
    if (bounds.isEmpty())
        return {};
    if (m_before)
        m_before(m_painter, bounds);
    // A line wider than a device pixel is the program's own, filled straight into the image's
    // rows; a thinner one, or one of no length, the toolkit's. Square rather than round caps:
    // at two pixels they look the same, and round ones would cost a curve each.
    if (devicePen() > 1 && from != to) {
        const QRgb colour = qRgb(0, 0, 0) | rgbOf(line.ink, m_look.colours);
        lineSpans({from.x() * m_ratio, from.y() * m_ratio}, {to.x() * m_ratio, to.y() * m_ratio}, devicePen(),
                  m_rows.area, [&](int row, int first, int last) { m_rows.fill(row, first, last, colour); });
        return bounds;
    }
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
    const double reach = std::abs(circle.radius) + m_penWidth + 1;
    if (circle.centre.y + reach < m_top || circle.centre.y - reach > m_bottom)
        return {};
    // The spans of a dot are few: found once, kept on the stack.
    PixelSpan spans[kMostDotRows];
    int count = 0;
    bool many = false;
    QRect deviceBounds;
    forEachCircleSpan({circle.centre.x * m_ratio, circle.centre.y * m_ratio}, circle.radius * m_ratio, devicePen(),
                      m_rows.area, [&](const PixelSpan &span) {
                          if (count < kMostDotRows)
                              spans[count++] = span;
                          else
                              many = true;
                          deviceBounds |= QRect(QPoint(span.xFirst, span.y), QPoint(span.xLast, span.y));
                      });
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
    const auto fill = [&](const PixelSpan &span) { m_rows.fill(span.y, span.xFirst, span.xLast, colour); };
    if (many) // a circle larger than a dot, found again
        forEachCircleSpan({circle.centre.x * m_ratio, circle.centre.y * m_ratio}, circle.radius * m_ratio, devicePen(),
                          m_rows.area, fill);
    else
        std::for_each(spans, spans + count, fill);
    return bounds;
}

namespace {

// A run this long of operations that the program paints itself is painted back from its last.
constexpr std::size_t kBackwardFrom = 1000;

// Paints in two shares of the image's rows at once, one above the split row and one from it
// down, or in one where the split leaves nothing to share: each share is painted by
// paint(view, first row, last row), a view of its own over the image's pixels (an image has
// one paint engine), and what each returns is joined.
template <typename Paint>
QRect inShares(QImage &image, int splitRow, Paint &&paint)
{
    uchar *pixels = image.bits(); // detached here, before two threads paint on its pixels
    const auto share = [&](int first, int last) {
        QImage view(pixels, image.width(), image.height(), image.bytesPerLine(), image.format());
        return paint(view, first, last);
    };
    if (splitRow <= 0 || splitRow >= image.height())
        return share(0, image.height() - 1);
    QRect lower;
    std::thread other([&] { lower = share(splitRow, image.height() - 1); });
    const QRect upper = share(0, splitRow - 1);
    other.join();
    return upper | lower;
}

QRect paintForward(QImage &image, double ratio, QSize sceneSize, int &penWidth, Look look,
                   std::span<const DrawOp> ops, int splitRow)
{
    int penAtEnd = penWidth;
    const QRect painted = inShares(image, splitRow, [&](QImage &view, int first, int last) {
        RasterPainter painter(view, ratio, sceneSize, penWidth, {}, look);
        if (first > 0 || last < image.height() - 1)
            painter.keepToRows(first, last);
        QRect area;
        for (const DrawOp &op : ops)
            area |= painter.paint(op);
        if (first == 0)
            penAtEnd = painter.penWidth();
        return area;
    });
    penWidth = penAtEnd;
    return painted;
}

// The longest run of operations that the program paints itself, as [first, last).
std::pair<std::size_t, std::size_t> longestOwnRun(std::span<const DrawOp> ops, int penWidth, double ratio)
{
    std::pair<std::size_t, std::size_t> longest{0, 0};
    std::size_t start = 0;
    for (std::size_t i = 0; i <= ops.size(); ++i) {
        if (i < ops.size()) {
            if (const auto *width = std::get_if<PenWidth>(&ops[i]))
                penWidth = width->pixels;
            if (BackwardPainter::paintsItself(ops[i], penWidth, ratio))
                continue;
        }
        if (i - start > longest.second - longest.first)
            longest = {start, i};
        start = i + 1;
    }
    return longest;
}

} // namespace

// What comes before the longest run that the program paints itself is painted first, in order;
// the run back from its last; then what comes after it, in order: each pixel as painted in order.
Painted paintShared(QImage &image, double ratio, QSize sceneSize, int penWidth, Look look,
                    std::span<const DrawOp> ops, const PaintShares &shares)
{
    const auto [first, last] = longestOwnRun(ops, penWidth, ratio);
    if (last - first < kBackwardFrom) {
        const QRect area = paintForward(image, ratio, sceneSize, penWidth, look, ops, shares.splitRow);
        return {area, penWidth};
    }
    QRect area = paintForward(image, ratio, sceneSize, penWidth, look, ops.first(first), shares.splitRow);
    const std::span<const DrawOp> run = ops.subspan(first, last - first);
    inShares(image, shares.splitRow, [&](QImage &view, int firstRow, int lastRow) {
        const PixelRows rows{reinterpret_cast<std::uint32_t *>(view.bits()), view.bytesPerLine() / qsizetype(sizeof(QRgb)),
                             {view.width(), firstRow, lastRow}};
        BackwardPainter(rows, ratio, sceneSize.width(), sceneSize.height(), look, scene::kDiscCentres).paint(run, penWidth);
        return QRect();
    });
    penWidth = penAfter(run, penWidth);
    const Rect &r = shares.reach;
    if (r.left <= r.right)
        area |= QRectF(QPointF(std::max(-1.0, r.left), std::max(-1.0, r.top)),
                       QPointF(std::min(sceneSize.width() + 1.0, r.right), std::min(sceneSize.height() + 1.0, r.bottom)))
                    .toAlignedRect() &
                QRect({}, sceneSize);
    area |= paintForward(image, ratio, sceneSize, penWidth, look, ops.subspan(last), shares.splitRow);
    return {area, penWidth};
}

Painted paintShared(QImage &image, double ratio, QSize sceneSize, int penWidth, Look look,
                    std::span<const DrawOp> ops)
{
    return paintShared(image, ratio, sceneSize, penWidth, look, ops, sharesOf(ops, penWidth, ratio, image.height()));
}

} // namespace vlnokres
