#pragma once

#include "Pacer.h"

#include <QPointer>
#include <QWidget>

namespace vlnokres {

// Waits by sleeping, never spinning, and keeps the window alive meanwhile: about once a
// display frame it lets the event loop repaint from the retained drawing and answer the
// window system (exposures, the window manager's liveness ping, a close request). User input
// is held back by HeldInput for the length of the run.
class EventLoopPacer final : public Pacer
{
public:
    explicit EventLoopPacer(QWidget &window) : m_window(&window) {}

    void start() override;
    bool waitUntil(std::chrono::nanoseconds sinceStart) override;
    void finish() override;

private:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::milliseconds kFrame{16};

    void serviceEvents();
    bool windowClosed() const;

    QPointer<QWidget> m_window;
    bool m_wasShown = false;
    Clock::time_point m_start;
    Clock::time_point m_lastService;
};

} // namespace vlnokres
