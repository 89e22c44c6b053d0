#include "RasterSurface.h"

#include "core/PaintShares.h"
#include "RasterPainter.h"
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

// Where the clear that opens a scene ends, its grey lines before anything else is drawn:
// left out where the image beneath is grey already.
std::size_t openingClearEnd(const DrawOps &ops)
{
    return std::size_t(std::ranges::find_if_not(ops, [](const DrawOp &op) {
                           const auto *line = std::get_if<Line>(&op);
                           return std::holds_alternative<PenWidth>(op) || (line && line->ink == Ink::BackgroundGrey);
                       }) -
                       ops.begin());
}

} // namespace

RasterSurface::RasterSurface(QWidget &window, QSize sceneSize) : m_window(window), m_size(sceneSize) { render(); }

void RasterSurface::beginScene()
{
    if (m_keeping)
        m_drawing.beginSceneAfter(std::span(m_scene).first(m_shown));
    else
        m_drawing.beginScene();
    m_scene.clear();
    m_shown = 0;
    m_scenePen = m_penWidth;
    m_checkpoints.clear();
    m_keeping = true;
}

void RasterSurface::expectOps(std::size_t count) { m_scene.reserve(count); }

void RasterSurface::draw(const DrawOps &ops)
{
    // A whole scene drawn at once is not stepped through: nothing of it is kept.
    if (m_keeping && m_scene.empty() && ops.size() >= kSharedFrom)
        m_keeping = false;
    if (!m_keeping)
        m_drawing.draw(ops);
    const QRect dirty = m_keeping ? paintScene(ops, 0) : paintOps(ops);
    if (!dirty.isEmpty())
        m_window.update(toWindow(dirty));
}

void RasterSurface::drawScene(DrawOps &&sceneOps)
{
    beginScene();
    m_keeping = false;
    DrawOps().swap(m_scene); // nothing of it is stepped through: its room is given back
    const std::size_t count = sceneOps.size();
    m_drawing.draw(std::move(sceneOps));
    const DrawOps &kept = m_drawing.ops();
    const QRect dirty = paintOps(std::span(kept).subspan(kept.size() - std::min(count, kept.size())));
    if (!dirty.isEmpty())
        m_window.update(toWindow(dirty));
}

QRect RasterSurface::paintScene(std::span<const DrawOp> ops, std::size_t from)
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
        drawScene(DrawOps(sceneOps));
        return;
    }
    const QRegion restored = restoreBefore(std::size_t(after - points.begin()) - 1, common);
    const QRect dirty = paintScene(sceneOps, m_shown);
    for (const QRect &device : restored)
        m_window.update(deviceToWindow(device));
    if (!dirty.isEmpty())
        m_window.update(toWindow(dirty));
}

bool RasterSurface::showDrawnUpTo(std::size_t count)
{
    const auto &points = m_checkpoints.opCounts();
    const auto after = std::ranges::upper_bound(points, count);
    if (!m_keeping || count > m_scene.size())
        return false;
    const std::span<const DrawOp> scene = std::span(m_scene).first(count);
    QRegion restored;
    if (after != points.begin()) {
        restored = restoreBefore(std::size_t(after - points.begin()) - 1, count);
    } else if (m_shown > count) {
        // Before the first point: painted again from the scene's start, whose clear covers the band.
        m_shown = 0;
        m_penWidth = m_scenePen;
    }
    const QRect dirty = paintScene(scene, m_shown);
    for (const QRect &device : restored)
        m_window.update(deviceToWindow(device));
    if (!dirty.isEmpty())
        m_window.update(toWindow(dirty));
    return true;
}

QRegion RasterSurface::restoreBefore(std::size_t point, std::size_t count)
{
    const std::size_t pointOps = m_checkpoints.opCounts()[point];
    // Painting on from the picture shown where it is on the way; else from the point.
    if (m_shown >= pointOps && m_shown <= count)
        return {};
    const QRegion restored = m_checkpoints.restore(m_image, point);
    m_shown = pointOps;
    m_penWidth = penAfter(std::span(m_scene).first(pointOps), m_scenePen);
    return restored;
}

// A long batch is shared between two painters, unless it reaches a label not yet painted
// over, which only the window's thread may paint.
QRect RasterSurface::paintOps(std::span<const DrawOp> ops)
{
    if (ops.size() < kSharedFrom)
        return paintOpsAlone(ops);
    const PaintShares shares = sharesOf(ops, m_penWidth, m_ratio, m_image.height());
    if (reachesUnpaintedLabel(shares.reach))
        return paintOpsAlone(ops);
    const Painted painted = paintShared(m_image, m_ratio, m_size, m_penWidth, m_look, ops, shares);
    m_penWidth = painted.penWidth;
    return painted.area;
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
bool RasterSurface::reachesUnpaintedLabel(const Rect &reach) const
{
    return std::ranges::any_of(m_labels, [&](const SurfaceLabel &label) {
        const QRect &r = label.designRect;
        return !label.paintedOver && reach.left < r.right() + 1 && reach.right > r.left() && reach.top < r.bottom() + 1 &&
               reach.bottom > r.top();
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
DrawOps RasterSurface::sceneOps() const
{
    return m_keeping ? DrawOps(m_scene.begin(), m_scene.begin() + std::ptrdiff_t(m_shown)) : m_drawing.sceneOps();
}

DrawOps RasterSurface::ops() const
{
    DrawOps ops = m_drawing.ops();
    if (m_keeping)
        ops.insert(ops.end(), m_scene.begin(), m_scene.begin() + std::ptrdiff_t(m_shown));
    return ops;
}

void RasterSurface::settleScene()
{
    if (!m_keeping)
        return;
    m_scene.resize(m_shown);
    m_drawing.takeScene(std::move(m_scene));
    m_scene = {};
    m_shown = 0;
    m_keeping = false;
}

void RasterSurface::render()
{
    settleScene();
    m_checkpoints.clear();
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
    const DrawOps &ops = m_drawing.ops();
    const std::size_t from = clearPaintsNothingNew() ? openingClearEnd(ops) : 0;
    m_penWidth = penAfter(std::span(ops).first(from), 1);
    paintOps(std::span(ops).subspan(from));
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
