#include "RasterSurface.h"

#include "RasterPainter.h"
#include "core/Picture.h"
#include "core/StepOperations.h"

#include <QLabel>
#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <future>
#include <optional>
#include <span>
#include <thread>

namespace vlnokres {
namespace {

// A batch this long, a whole scene drawn at once, is shared between two threads where it can
// be: each paints the operations on its own side of a row none reaches.
constexpr std::size_t kSharedFrom = 1000;
// Points of a scene drawn step by step are kept every fifty steps.
constexpr std::size_t kOpsBetweenPoints = 50 * kOpsPerStep;

// The pen after the first count operations, where the scene began with the given one.
int penAfter(const DrawOps &ops, std::size_t count, int initial)
{
    for (std::size_t i = count; i-- > 0;)
        if (const auto *width = std::get_if<PenWidth>(&ops[i]))
            return width->pixels;
    return initial;
}

// The scene pixels an operation may touch: at least those the painter reports for it, with
// the same reach beyond its geometry, before any clipping.
QRect reachOf(const DrawOp &op, int penWidth)
{
    const int reach = penWidth + 1;
    QRectF geometry;
    if (const auto *line = std::get_if<Line>(&op))
        geometry = QRectF(QPointF(line->from.x, line->from.y), QPointF(line->to.x, line->to.y)).normalized();
    else if (const auto *circle = std::get_if<Circle>(&op))
        geometry = QRectF(circle->centre.x - std::abs(circle->radius), circle->centre.y - std::abs(circle->radius),
                          2 * std::abs(circle->radius), 2 * std::abs(circle->radius));
    else
        return {};
    // Far outside the scene, or not a number: anywhere.
    if (!(std::abs(geometry.left()) < 1e6 && std::abs(geometry.right()) < 1e6 && std::abs(geometry.top()) < 1e6 &&
          std::abs(geometry.bottom()) < 1e6))
        return QRect(-1000000, -1000000, 2000000, 2000000);
    return geometry.toAlignedRect().adjusted(-reach, -reach, reach, reach);
}

// Each operation's reach, with the pen it is drawn with (PenWidth operations reach nothing).
std::vector<QRect> reachesOf(std::span<const DrawOp> ops, int penWidth)
{
    std::vector<QRect> reaches;
    reaches.reserve(ops.size());
    for (const DrawOp &op : ops) {
        if (const auto *width = std::get_if<PenWidth>(&op))
            penWidth = width->pixels;
        reaches.push_back(reachOf(op, penWidth));
    }
    return reaches;
}

// A scene row that none of the reaches comes within margin rows of, as near as there is one
// to the row that halves the work (each operation weighing as many rows as it spans): the
// operations above it and those below can then be painted apart, at once, each exactly as in
// order.
std::optional<int> freeRow(std::span<const QRect> reaches, int sceneHeight, int margin)
{
    std::vector<int> reaching(std::size_t(sceneHeight) + 1, 0); // from one row to the next
    std::vector<double> weight(std::size_t(sceneHeight), 0);
    double total = 0;
    for (const QRect &unbounded : reaches) {
        const QRect reach = unbounded.adjusted(0, -margin, 0, margin) & QRect(-1000000, 0, 2000000, sceneHeight);
        if (reach.isEmpty())
            continue;
        ++reaching[std::size_t(reach.top())];
        --reaching[std::size_t(reach.bottom()) + 1];
        weight[std::size_t(reach.center().y())] += reach.height();
        total += reach.height();
    }
    std::optional<int> best;
    double sum = 0, bestImbalance = 0;
    int covering = 0;
    for (int row = 0; row < sceneHeight; ++row) {
        covering += reaching[std::size_t(row)];
        sum += weight[std::size_t(row)];
        const double imbalance = std::abs(2 * sum - total);
        if (covering == 0 && sum > 0 && sum < total && (!best || imbalance < bestImbalance)) {
            best = row;
            bestImbalance = imbalance;
        }
    }
    return best;
}

// Long lines, the clear's and the axes', cross every row: those that open or close a batch
// are painted before or after the rest.
bool isLong(const DrawOp &op)
{
    const auto *line = std::get_if<Line>(&op);
    return line && (std::abs(line->to.x - line->from.x) > 200 || std::abs(line->to.y - line->from.y) > 200);
}

} // namespace

RasterSurface::RasterSurface(QWidget &window, QSize sceneSize) : m_window(window), m_size(sceneSize) { render(); }

void RasterSurface::beginScene()
{
    m_drawing.beginScene();
    m_scene.clear();
    m_shown = 0;
    m_scenePen = m_penWidth;
    m_checkpoints.clear();
    m_keeping = true;
}

void RasterSurface::draw(const DrawOps &ops)
{
    m_drawing.draw(ops);
    // A whole scene drawn at once is not stepped through: nothing of it is kept.
    if (m_keeping && m_scene.empty() && ops.size() >= kSharedFrom)
        m_keeping = false;
    const QRect dirty = m_keeping ? paintScene(ops, 0) : paintOps(ops);
    if (!dirty.isEmpty())
        m_window.update(toWindow(dirty));
}

QRect RasterSurface::paintScene(const DrawOps &ops, std::size_t from)
{
    const std::size_t count = ops.size() - from;
    const auto &points = m_checkpoints.opCounts();
    // Anything but the scene as it was painted before makes the points after this one stale.
    if (m_shown < m_scene.size()) {
        const std::size_t same = std::min(count, m_scene.size() - m_shown);
        const auto next = m_scene.begin() + std::ptrdiff_t(m_shown);
        if (!std::equal(next, next + std::ptrdiff_t(same), ops.begin() + std::ptrdiff_t(from))) {
            m_scene.resize(m_shown);
            const auto after = std::ranges::upper_bound(points, m_shown);
            if (after == points.begin())
                m_checkpoints.clear();
            else
                m_checkpoints.dropAfter(std::size_t(after - points.begin()) - 1);
        }
    }
    QRect dirty;
    {
        RasterPainter painter = painterOnImage();
        for (std::size_t i = from; i < ops.size(); ++i) {
            const QRect painted = painter.paint(ops[i]);
            dirty |= painted;
            m_checkpoints.touch(toDevice(painted));
        }
        m_penWidth = painter.penWidth();
    }
    const std::size_t known = m_scene.size() - m_shown;
    if (count > known)
        m_scene.insert(m_scene.end(), ops.begin() + std::ptrdiff_t(from + known), ops.end());
    m_shown += count;

    if (const auto at = std::ranges::find(points, m_shown); at != points.end())
        m_checkpoints.arrive(std::size_t(at - points.begin()));
    else if (m_shown == m_scene.size() && (points.empty() || m_shown >= points.back() + kOpsBetweenPoints))
        m_checkpoints.take(m_image, m_shown);
    return dirty;
}

void RasterSurface::showScene(const DrawOps &sceneOps)
{
    const auto &points = m_checkpoints.opCounts();
    const std::size_t common =
        std::size_t(std::ranges::mismatch(sceneOps, m_scene).in1 - sceneOps.begin());
    const auto after = std::ranges::upper_bound(points, common);
    if (!m_keeping || after == points.begin()) {
        beginScene();
        draw(picture::uncoveredOps(sceneOps));
        return;
    }
    const std::size_t point = std::size_t(after - points.begin()) - 1;
    const std::size_t pointOps = points[point];
    m_drawing.beginScene();
    m_drawing.draw(sceneOps);
    QRegion restored;
    // Painting on from the picture shown where it is on the way; else from the point.
    if (!(m_shown >= pointOps && m_shown <= common)) {
        restored = m_checkpoints.restore(m_image, point);
        m_shown = pointOps;
        m_penWidth = penAfter(m_scene, pointOps, m_scenePen);
    }
    const QRect dirty = paintScene(sceneOps, m_shown);
    for (const QRect &device : restored)
        m_window.update(deviceToWindow(device));
    if (!dirty.isEmpty())
        m_window.update(toWindow(dirty));
}

QRect RasterSurface::paintOps(const DrawOps &ops)
{
    if (ops.size() < kSharedFrom)
        return paintOpsAlone(ops);
    const std::vector<QRect> reaches = reachesOf(ops, m_penWidth);
    if (reachesUnpaintedLabel(reaches))
        return paintOpsAlone(ops);
    const auto longOrPen = [](const DrawOp &op) { return isLong(op) || std::holds_alternative<PenWidth>(op); };
    const std::size_t first = std::size_t(std::ranges::find_if_not(ops, longOrPen) - ops.begin());
    const std::size_t last =
        std::size_t(std::find_if_not(ops.rbegin(), ops.rend() - std::ptrdiff_t(first), longOrPen).base() - ops.begin());
    const std::span<const DrawOp> all(ops);
    QRect dirty = paintOpsAlone(all.first(first));
    const std::span<const DrawOp> middle = all.subspan(first, last - first);
    const std::span<const QRect> middleReaches = std::span(reaches).subspan(first, last - first);
    // A device pixel's rounding can take a pen further than its reach where the zoom is small.
    const int margin = int(std::ceil(2 / m_ratio));
    const std::optional<int> free = freeRow(middleReaches, m_size.height(), margin);
    if (!free) {
        dirty |= paintOpsAlone(middle);
        return dirty | paintOpsAlone(all.subspan(last));
    }
    const int pen = m_penWidth;
    uchar *pixels = m_image.bits(); // detached here, before two threads paint on its pixels
    const auto paintSide = [&](bool above, QRect &painted) {
        // An image of its own over the same pixels: an image has one paint engine.
        QImage side(pixels, m_image.width(), m_image.height(), m_image.bytesPerLine(), m_image.format());
        RasterPainter painter(side, m_ratio, m_size, pen, {}, m_colours);
        for (std::size_t i = 0; i < middle.size(); ++i) {
            const QRect &reach = middleReaches[i];
            if (std::holds_alternative<PenWidth>(middle[i]) || (above ? reach.bottom() < *free : reach.top() > *free))
                painted |= painter.paint(middle[i]);
        }
        return painter.penWidth();
    };
    // Each painter writes only pixels of its own side of the free row.
    QRect upper, lower;
    std::thread below([&] { paintSide(false, lower); });
    m_penWidth = paintSide(true, upper);
    below.join();
    dirty |= upper | lower;
    return dirty | paintOpsAlone(all.subspan(last));
}

QRect RasterSurface::paintOpsAlone(std::span<const DrawOp> ops)
{
    QRect dirty;
    RasterPainter painter = painterOnImage();
    for (const DrawOp &op : ops)
        dirty |= painter.paint(op);
    m_penWidth = painter.penWidth();
    return dirty;
}

// Painting a label over is the window's business, and only its thread's.
bool RasterSurface::reachesUnpaintedLabel(std::span<const QRect> reaches) const
{
    if (std::ranges::all_of(m_labels, [](const SurfaceLabel &label) { return label.paintedOver; }))
        return false;
    QRect reach;
    for (const QRect &one : reaches)
        reach |= one & QRect({}, m_size);
    return std::ranges::any_of(m_labels, [&](const SurfaceLabel &label) {
        return !label.paintedOver && reach.intersects(label.designRect);
    });
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
    m_keeping = false;
    m_checkpoints.clear();
    // Less than half of what was drawn still shows; the rest, lines drawn over by the same
    // line in the swept discs' colours, would only be painted and painted over again. Found
    // meanwhile the new image is made.
    auto uncovered = std::async(std::launch::async, [this] { return picture::uncoveredOps(m_drawing.ops()); });
    m_ratio = m_zoom * m_window.devicePixelRatio();
    m_image = QImage(QSize(int(std::lround(m_size.width() * m_ratio)), int(std::lround(m_size.height() * m_ratio))),
                     QImage::Format_RGB32);
    m_image.fill(QColor::fromRgb(rgbOf(Ink::BackgroundGrey)));
    m_penWidth = 1;
    {
        QPainter painter(&m_image);
        painter.scale(m_ratio, m_ratio);
        for (const SurfaceLabel &label : std::as_const(m_labels))
            if (label.paintedOver)
                paintLabel(painter, label);
    }
    paintOps(uncovered.get());
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

QRect RasterSurface::toDevice(const QRect &sceneArea) const
{
    if (sceneArea.isEmpty())
        return {};
    return QRectF(QPointF(sceneArea.topLeft()) * m_ratio, QSizeF(sceneArea.size()) * m_ratio)
        .toAlignedRect()
        .adjusted(-1, -1, 1, 1);
}

QRect RasterSurface::deviceToWindow(const QRect &deviceArea) const
{
    const double scale = 1 / m_window.devicePixelRatio();
    return QRectF(QPointF(deviceArea.topLeft()) * scale, QSizeF(deviceArea.size()) * scale)
        .toAlignedRect()
        .translated(m_origin);
}

QRectF RasterSurface::target() const { return {QPointF(m_origin), QSizeF(m_image.size()) / m_window.devicePixelRatio()}; }

QRect RasterSurface::coveredArea() const
{
    const QRectF within = target();
    const QPoint topLeft(int(std::ceil(within.left())), int(std::ceil(within.top())));
    const QPoint bottomRight(int(std::floor(within.right())), int(std::floor(within.bottom())));
    return QRect(topLeft, bottomRight - QPoint(1, 1));
}

void RasterSurface::paint(QPainter &painter, const QRect &area) const
{
    const QRectF target = this->target();
    const QRectF shown = QRectF(area) & target;
    if (shown.isEmpty())
        return;
    const double toImage = m_window.devicePixelRatio();
    painter.drawImage(shown, m_image, QRectF((shown.topLeft() - target.topLeft()) * toImage, shown.size() * toImage));
}

} // namespace vlnokres
