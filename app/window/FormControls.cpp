#include "FormControls.h"

#include <QKeyEvent>
#include <QApplication>
#include <QPainter>
#include <QProxyStyle>

#include <cmath>

namespace vlnokres {

void FormButton::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

namespace {

// The application's style, but for the scroll bar's arrow buttons, whose width the style
// takes from the bar's extent: zoom times its own.
class ZoomedScrollBarStyle final : public QProxyStyle
{
public:
    explicit ZoomedScrollBarStyle(const FormScrollBar &bar) : QProxyStyle(QApplication::style()->name()), m_bar(bar) {}

    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        const int own = QProxyStyle::pixelMetric(metric, option, widget);
        if (metric != PM_ScrollBarExtent || widget != &m_bar || m_bar.zoom() == 1)
            return own;
        return int(std::lround(own * m_bar.zoom()));
    }

private:
    const FormScrollBar &m_bar;
};

} // namespace

// Qt's scroll bars invert their keys on purpose, so that Up scrolls a page up; this one sets a
// value, and larger is to the right.
FormScrollBar::FormScrollBar(QWidget *parent) : QScrollBar(Qt::Horizontal, parent)
{
    setInvertedControls(false);
    setFocusPolicy(Qt::StrongFocus);
    auto *style = new ZoomedScrollBarStyle(*this);
    style->setParent(this);
    setStyle(style);
}

void FormScrollBar::setZoom(double zoom)
{
    if (zoom == m_zoom)
        return;
    m_zoom = zoom;
    updateGeometry();
    update();
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
