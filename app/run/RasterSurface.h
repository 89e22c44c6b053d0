#pragma once

#include "RasterPainter.h"
#include "core/Canvas.h"
#include "core/Drawing.h"

#include <QFont>
#include <QImage>
#include <QList>
#include <QPointer>
#include <QRect>

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
    void draw(const DrawOps &ops) override;
    int penWidth() const { return m_penWidth; }
    const Drawing &drawing() const { return m_drawing; }

    // Where the scene shows in the window: its top-left corner, in the window's pixels, and
    // how many window pixels a scene pixel takes.
    void setPlacement(QPoint origin, double zoom);
    // The palette the drawing shows in; a change draws it again.
    void setColours(Colours colours);
    Colours colours() const { return m_colours; }
    QRect shownArea() const;

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
    RasterPainter painterOnImage();
    void paintOverLabels(QPainter &painter, const QRect &area);
    void paintLabel(QPainter &painter, const SurfaceLabel &label) const;
    QRect toWindow(const QRect &sceneArea) const;

    QWidget &m_window;
    QSize m_size; // scene pixels
    Drawing m_drawing;
    QImage m_image;
    int m_penWidth = 1;
    QPoint m_origin;
    double m_zoom = 1;
    double m_ratio = 0; // none yet
    Colours m_colours = Colours::Standard;
    QList<SurfaceLabel> m_labels;
};

} // namespace vlnokres
