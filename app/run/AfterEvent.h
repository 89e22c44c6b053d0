#pragma once

#include <QObject>
#include <QTimer>

#include <utility>

namespace vlnokres {

// Calls the command from the event loop once the event being handled has returned, while the
// context lives. From a timer, not as a posted event: a run that goes on inside the delivery
// of a posted event is never repainted under X11 (its window's updates wait for that delivery
// to end), and a run started from the menu or after a run must be seen.
template <typename Command>
void afterEvent(QObject &context, Command command)
{
    auto *timer = new QTimer(&context);
    timer->setSingleShot(true);
    QObject::connect(timer, &QTimer::timeout, &context, [timer, command = std::move(command)]() mutable {
        timer->deleteLater();
        command();
    });
    timer->start(0);
}

} // namespace vlnokres
