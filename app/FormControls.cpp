#include "FormControls.h"

#include <QKeyEvent>
#include <QPainter>

namespace vlnokres {

void FormButton::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        animateClick();
        return;
    }
    QPushButton::keyPressEvent(event);
}

// Qt's scroll bars invert their keys on purpose, so that Up scrolls a page up; this one sets a
// value, and larger is to the right.
FormScrollBar::FormScrollBar(QWidget *parent) : QScrollBar(Qt::Horizontal, parent)
{
    setInvertedControls(false);
    setFocusPolicy(Qt::StrongFocus);
}

void FormScrollBar::paintEvent(QPaintEvent *event)
{
    QScrollBar::paintEvent(event);
    if (!hasFocus())
        return;
    // The style draws no focus mark on a scroll bar; this one is the outline in the highlight
    // colour that the style gives the focused buttons and boxes.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 1.5));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.75, 0.75, -0.75, -0.75), 2, 2);
}

} // namespace vlnokres
