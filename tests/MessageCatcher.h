#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <functional>

// Runs an action that may open a modal message box, and answers the box with OK, recording
// what it showed. The box is looked for from a timer, since exec() does not return until
// the box is dismissed.
struct CaughtMessage {
    bool shown = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    qsizetype buttons = 0;
    int width = 0;
};

inline CaughtMessage catchMessage(const std::function<void()> &action)
{
    CaughtMessage caught;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        caught = {true, box->windowTitle(), box->text(), box->icon(), box->buttons().size(), box->width()};
        box->button(QMessageBox::Ok)->click();
    });
    poll.start();
    action();
    return caught;
}
