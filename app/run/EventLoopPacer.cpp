#include "EventLoopPacer.h"

#include <QCoreApplication>

namespace vlnokres {

void EventLoopPacer::onStart() { m_wasShown = m_window && m_window->isVisible(); }

// A window that was never shown (as in tests) cannot be closed by its user.
bool EventLoopPacer::serviceEvents()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    return m_window && !(m_wasShown && !m_window->isVisible());
}

} // namespace vlnokres
