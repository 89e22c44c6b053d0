#pragma once

#include "app/picture/PictureShapes.h"
#include "core/DrawOp.h"

#include <QObject>
#include <QRect>

#include <functional>

class QPainter;
class QTimer;
class QWidget;

namespace vlnokres {

class RasterSurface;
class RunController;
class SetUpModel;

// What the window draws over the picture, never into it: the readouts beside the upper diagram,
// the labels and the cursors as the set-up chooses them, and, full screen, where there is no
// title bar, the step a paused run shows. A run going on has them repainted as its steps go by.
class PictureOverlay final : public QObject
{
    Q_OBJECT

public:
    PictureOverlay(QWidget &window, const RasterSurface &surface, const RunController &run, const SetUpModel &setUp);

    // Over the picture, which the surface shows at the zoom.
    void paint(QPainter &painter, double zoom) const;
    // Repaints what moves with the run's steps, and ticks while a run is animated.
    void follow();
    // The window pixels of a scene rectangle.
    QRect windowArea(const Rect &scene, double zoom) const;
    // Where the question of a lesson's scene shown is had.
    void setQuestionSource(std::function<QString()> question) { m_question = std::move(question); }

private:
    PictureText text() const;
    void repaintMoving();

    QWidget &m_window;
    const RasterSurface &m_surface;
    const RunController &m_run;
    const SetUpModel &m_setUp;
    QTimer *m_ticker;
    std::function<QString()> m_question;
};

} // namespace vlnokres
