#include "RasterSurface.h"

#include "PaintParts.h"
#include "RasterPainter.h"
#include "core/Picture.h"
#include "core/SceneGeometry.h"
#include "core/StepOperations.h"

#include <QLabel>
#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <future>
#include <optional>
#include <span>
#include <thread>

namespace vlnokres {
namespace {

// A batch this long, a whole scene drawn at once, is shared between two threads where it can
// be: each paints parts of it that lie apart from the other's.
constexpr std::size_t kSharedFrom = 1000;
// Points of a scene drawn step by step are kept every fifty steps, or further apart where a
// long run has filled what the points may keep.
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

// The pen each operation is drawn with, where the first is drawn with the given one.
std::vector<int> pensOf(std::span<const DrawOp> ops, int penWidth)
{
    std::vector<int> pens;
    pens.reserve(ops.size());
    for (const DrawOp &op : ops) {
        if (const auto *width = std::get_if<PenWidth>(&op))
            penWidth = width->pixels;
        pens.push_back(penWidth);
    }
    return pens;
}

// Each operation's reach (PenWidth operations reach nothing).
std::vector<QRect> reachesOf(std::span<const DrawOp> ops, std::span<const int> pens)
{
    std::vector<QRect> reaches;
    reaches.reserve(ops.size());
    for (std::size_t i = 0; i < ops.size(); ++i)
        reaches.push_back(reachOf(ops[i], pens[i]));
    return reaches;
}

// What painting each operation costs, in device pixels, with what setting up a painter's
// line or a dot's rows costs besides: roughly, as measured at 4K.
std::vector<double> costsOf(std::span<const DrawOp> ops, std::span<const int> pens, double ratio)
{
    constexpr double kSettingUp = 470;
    std::vector<double> costs;
    costs.reserve(ops.size());
    for (std::size_t i = 0; i < ops.size(); ++i) {
        double pixels = 0;
        if (const auto *line = std::get_if<Line>(&ops[i]))
            pixels = std::hypot(line->to.x - line->from.x, line->to.y - line->from.y) * pens[i];
        else if (const auto *circle = std::get_if<Circle>(&ops[i]))
            pixels = std::pow(2 * std::abs(circle->radius) + pens[i], 2);
        costs.push_back(kSettingUp + std::min(pixels * ratio * ratio, 1e9));
    }
    return costs;
}

// Long lines, the clear's and the axes', cross every row: those that open or close a batch
// are painted before or after the rest.
bool isLong(const DrawOp &op)
{
    const auto *line = std::get_if<Line>(&op);
    return line && (std::abs(line->to.x - line->from.x) > 200 || std::abs(line->to.y - line->from.y) > 200);
}

// The clear that opens a scene, its grey lines before anything else is drawn, left out of
// the scene where the image beneath is grey already; the pens stay as they were set.
void dropOpeningClear(DrawOps &ops)
{
    const auto opening = std::ranges::find_if_not(ops, [](const DrawOp &op) {
        const auto *line = std::get_if<Line>(&op);
        return std::holds_alternative<PenWidth>(op) || (line && line->ink == Ink::BackgroundGrey);
    });
    const auto grey = std::remove_if(ops.begin(), opening, [](const DrawOp &op) { return std::holds_alternative<Line>(op); });
    ops.erase(grey, opening);
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
    else if (m_shown == m_scene.size() &&
             (points.empty() || m_shown >= points.back() + kOpsBetweenPoints * m_checkpoints.spread()))
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

// A batch long enough to be shared between two painters, with what sharing it needs: the pen
// each operation is drawn with, its reach, the long lines that open and close it, and the
// parts of the rest. Its operations are the caller's, or its own where it was made elsewhere.
struct RasterSurface::Batch {
    DrawOps owned;
    std::span<const DrawOp> ops;
    std::vector<int> pens;
    std::vector<QRect> reaches;
    std::size_t first = 0, last = 0; // the operations between, neither long lines nor pens
    std::vector<std::vector<std::size_t>> parts;
};

RasterSurface::Batch RasterSurface::batchOf(std::span<const DrawOp> ops, int penWidth, double ratio, QSize sceneSize)
{
    Batch batch;
    batch.ops = ops;
    if (ops.size() < kSharedFrom)
        return batch;
    const std::span<const DrawOp> all = ops;
    batch.pens = pensOf(all, penWidth);
    batch.reaches = reachesOf(all, batch.pens);
    const auto longOrPen = [](const DrawOp &op) { return isLong(op) || std::holds_alternative<PenWidth>(op); };
    batch.first = std::size_t(std::ranges::find_if_not(all, longOrPen) - all.begin());
    batch.last = std::size_t(std::find_if_not(all.rbegin(), all.rend() - std::ptrdiff_t(batch.first), longOrPen).base() -
                             all.begin());
    const std::size_t count = batch.last - batch.first;
    // A device pixel's rounding can take a pen further than its reach where the zoom is small.
    const int margin = int(std::ceil(2 / ratio));
    batch.parts = paintParts(std::span(batch.reaches).subspan(batch.first, count),
                             costsOf(all.subspan(batch.first, count),
                                     std::span(batch.pens).subspan(batch.first, count), ratio),
                             sceneSize, margin);
    return batch;
}

QRect RasterSurface::paintOps(const DrawOps &ops)
{
    if (ops.size() < kSharedFrom)
        return paintOpsAlone(ops);
    return paintBatch(batchOf(ops, m_penWidth, m_ratio, m_size));
}

QRect RasterSurface::paintBatch(const Batch &batch)
{
    const std::span<const DrawOp> all = batch.ops;
    if (batch.parts.size() < 2 || reachesUnpaintedLabel(batch.reaches))
        return paintOpsAlone(all);
    QRect dirty = paintOpsAlone(all.first(batch.first));
    const std::span<const DrawOp> middle = all.subspan(batch.first, batch.last - batch.first);
    const std::span<const int> pens = std::span(batch.pens).subspan(batch.first, batch.last - batch.first);
    uchar *pixels = m_image.bits(); // detached here, before two threads paint on its pixels
    std::atomic<std::size_t> next = 0;
    // Each painter takes the next part not yet taken, the costliest first, till none is left.
    const auto paintShare = [&](QRect &painted) {
        // An image of its own over the same pixels: an image has one paint engine.
        QImage view(pixels, m_image.width(), m_image.height(), m_image.bytesPerLine(), m_image.format());
        RasterPainter painter(view, m_ratio, m_size, m_penWidth, {}, m_look);
        for (std::size_t part; (part = next++) < batch.parts.size();)
            for (std::size_t i : batch.parts[part]) {
                if (painter.penWidth() != pens[i])
                    painter.paint(PenWidth{pens[i]});
                painted |= painter.paint(middle[i]);
            }
    };
    QRect painted[2];
    std::thread other([&] { paintShare(painted[1]); });
    paintShare(painted[0]);
    other.join();
    m_penWidth = batch.pens[batch.last - 1];
    dirty |= painted[0] | painted[1];
    return dirty | paintOpsAlone(all.subspan(batch.last));
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
        [this](QPainter &onImage, const QRect &area) { paintOverLabels(onImage, area); }, m_look);
}

void RasterSurface::setLook(Look look)
{
    if (look == m_look)
        return;
    m_look = look;
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
    // line in the swept discs' colours, would only be painted and painted over again. Found,
    // and shared out between two painters, meanwhile the new image is made.
    m_ratio = m_zoom * m_window.devicePixelRatio();
    const bool dropClear = clearPaintsNothingNew();
    auto batch = std::async(std::launch::async, [this, dropClear] {
        DrawOps ops = picture::uncoveredOps(m_drawing.ops());
        if (dropClear)
            dropOpeningClear(ops);
        Batch batch = batchOf(ops, 1, m_ratio, m_size);
        batch.owned = std::move(ops); // the batch's view of them goes with them
        return batch;
    });
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
    paintBatch(batch.get());
}

// A new image is the clear's grey wherever the clear paints, unless a label painted over lies there.
bool RasterSurface::clearPaintsNothingNew() const
{
    if (rgbOf(Ink::BackgroundGrey, m_look.colours) != rgbOf(Ink::BackgroundGrey))
        return false;
    const QRect band = QRectF(QPointF(scene::kClearedBand.left, scene::kClearedBand.top),
                              QPointF(scene::kClearedBand.right, scene::kClearedBand.bottom))
                           .toAlignedRect()
                           .adjusted(-2, -2, 2, 2);
    return std::ranges::none_of(m_labels, [&](const SurfaceLabel &label) {
        return label.paintedOver && label.designRect.intersects(band);
    });
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
