#pragma once

#include "RasterPainter.h"
#include "SceneCheckpoints.h"
#include "core/Canvas.h"
#include "core/Drawing.h"

#include <QFont>
#include <QImage>
#include <QList>
#include <QPointer>
#include <QRect>

#include <span>

class QLabel;
class QPainter;
class QWidget;

namespace vlnokres {

// The window's client area as the scene sees it: pixel coordinates of the design, a pen
// width, lines and circle outlines. What is drawn is kept twice: as the list of operations
// that still show (the truth), and as a retained image at the resolution the window shows it
// (zoom × the screen's density), which the window paints from. Covering the window never loses
// the drawing, and a change of zoom or density draws the list again at the new resolution:
// lines, dots and labels stay crisp, never a stretched bitmap. The controls, being widgets of
// their own, stay on top.
class RasterSurface final : public Canvas
{
public:
    RasterSurface(QWidget &window, QSize sceneSize);

    void beginScene() override;
    void expectOps(std::size_t count) override;
    void draw(const DrawOps &ops) override;
    // A whole scene drawn at once: kept as it is, and not stepped through.
    void drawScene(DrawOps &&sceneOps) override;
    // A scene that starts as the one drawn step by step is had from the nearest point kept of
    // it and the operations after that point; any other is drawn whole.
    void showScene(const DrawOps &sceneOps) override;
    // A paused run moved within what it has drawn: from the nearest point kept, or from the
    // step shown where it is on the way, with no scene made anew.
    bool showDrawnUpTo(std::size_t count) override;
    std::size_t keptBytes() const { return m_checkpoints.bytes(); }
    int penWidth() const { return m_penWidth; }
    // The operations of the last scene, as they show; whether a scene was begun.
    DrawOps sceneOps() const;
    bool hasScene() const { return m_drawing.hasScene(); }
    // Every operation that shows, the scene's and what stands from before it.
    DrawOps ops() const;

    // Where the scene shows in the window: its top-left corner, in the window's pixels, and
    // how many window pixels a scene pixel takes.
    void setPlacement(QPoint origin, double zoom);
    // The palette the drawing shows in, and whether the sum's trace is hidden; a change draws
    // it again from the operations, which still hold the sum.
    void setLook(Look look);
    void setColours(Colours colours) { setLook({colours, m_look.sumHidden}); }
    Colours colours() const { return m_look.colours; }
    const Look &look() const { return m_look; }
    QRect shownArea() const;
    // The window pixels that the picture covers whole.
    QRect coveredArea() const;

    // Labels lie on the surface itself rather than above it: the first drawing that reaches
    // one paints it into the picture and hides the widget, so later drawing covers its text.
    // The design rectangle is where the label lies in scene pixels.
    void addLabel(QLabel *label, QRect designRect);

    // In device pixels, ratio() of them to a scene pixel: the zoom times the screen's density.
    const QImage &image() const { return m_image; }
    double ratio() const { return m_ratio; }
    void paint(QPainter &painter, const QRect &area) const;

private:
    struct SurfaceLabel {
        QPointer<QLabel> label;
        QRect designRect;
        QFont font; // at the design's size
        QString text;
        Qt::Alignment alignment;
        bool paintedOver = false;
    };

    void render();
    // With the current pen; the scene pixels painted.
    QRect paintOps(std::span<const DrawOp> ops);
    QRect paintOpsAlone(std::span<const DrawOp> ops);
    bool reachesUnpaintedLabel(const Rect &reach) const;
    RasterPainter painterOnImage();
    void paintOverLabels(QPainter &painter, const QRect &area);
    void paintLabel(QPainter &painter, const SurfaceLabel &label) const;
    bool clearPaintsNothingNew() const;
    QRect toWindow(const QRect &sceneArea) const;
    QRect toDevice(const QRect &sceneArea) const;
    QRect deviceToWindow(const QRect &deviceArea) const;
    // Paints the scene's operations from shown on, keeping the points of it as it goes.
    QRect paintScene(std::span<const DrawOp> ops, std::size_t from);
    // A scene stepped through is kept once, as the points' operations; the drawing takes it
    // when it is no longer stepped through.
    void settleScene();
    // Restores the picture at the last point kept at or before count, unless the picture
    // shown lies between it and count; what was restored.
    QRegion restoreBefore(std::size_t point, std::size_t count);
    QRectF target() const; // where the image lies in the window

    QWidget &m_window;
    QSize m_size; // scene pixels
    Drawing m_drawing;
    QImage m_image;
    int m_penWidth = 1;
    QPoint m_origin;
    double m_zoom = 1;
    double m_ratio = 0; // none yet
    Look m_look;
    QList<SurfaceLabel> m_labels;
    // The scene as painted since it began (while it is kept, the drawing holds only what
    // stands from before it), the operations of it that the image shows, and points of it
    // kept; none once the image has been drawn anew.
    DrawOps m_scene;
    std::size_t m_shown = 0;
    int m_scenePen = 1; // the pen it began with
    SceneCheckpoints m_checkpoints;
    bool m_keeping = false;
};

} // namespace vlnokres
