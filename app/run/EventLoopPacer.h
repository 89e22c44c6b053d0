#pragma once

#include "core/FramePacer.h"

#include <QPointer>
#include <QWidget>

namespace vlnokres {

// Paces a run in real time and lets Qt's event loop repaint from the retained drawing and
// answer the window system between steps. User input is held back by HeldInput for the length
// of the run; a close request ends the run at its next step.
class EventLoopPacer final : public FramePacer
{
public:
    explicit EventLoopPacer(QWidget &window, Clock &clock) : FramePacer(clock), m_window(&window) {}

protected:
    bool serviceEvents() override;
    void onStart() override;

private:
    QPointer<QWidget> m_window;
    bool m_wasShown = false;
};

} // namespace vlnokres
