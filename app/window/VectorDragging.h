#pragma once

#include "core/VectorDrag.h"

#include <QObject>
#include <QPointF>

#include <functional>
#include <optional>

class QWidget;

namespace vlnokres {

class RunController;

// The second vector taken by its tip with the mouse, wherever the picture shows it and no run
// goes on: an open hand over a tip, a closed one while dragging. Each movement tells moved the
// values that put the tip under the pointer (with Ctrl, in coarse steps); letting go tells
// released, and so does anything that interrupts the drag (another button, a menu opening,
// the window losing the keyboard), after which the vector follows the pointer no more.
class VectorDragging final : public QObject
{
    Q_OBJECT

public:
    // toScene: a point of the window as the scene's pixels.
    VectorDragging(QWidget &window, const RunController &run, std::function<QPointF(QPointF)> toScene,
                   std::function<void(const drag::Values &)> moved, std::function<void()> released);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::optional<drag::Diagram> tipAt(QPointF position, double radius = drag::kGrabRadius) const;
    void release();

    QWidget &m_window;
    const RunController &m_run;
    std::function<QPointF(QPointF)> m_toScene;
    std::function<void(const drag::Values &)> m_moved;
    std::function<void()> m_released;
    std::optional<drag::Diagram> m_dragging;
    bool m_handShown = false;
};

} // namespace vlnokres
