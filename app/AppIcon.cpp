#include "AppIcon.h"

#include "animation/Ink.h"

#include <QPainter>
#include <QPixmap>

namespace vlnokres {
namespace {

QPixmap phasors(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(QColor::fromRgb(rgbOf(Ink::BackgroundGrey)));
    painter.drawEllipse(QRectF(1, 1, 30, 30));
    painter.drawLine(QPointF(4, 16), QPointF(28, 16));
    painter.setPen(QPen(QColor::fromRgb(rgbOf(Ink::Green)), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(16, 16), QPointF(26, 9));
    painter.setPen(QPen(QColor::fromRgb(rgbOf(Ink::Red)), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(16, 16), QPointF(12, 6));
    return pixmap;
}

} // namespace

QIcon appIcon()
{
    QIcon icon;
    for (int size : {16, 32})
        icon.addPixmap(phasors(size));
    return icon;
}

} // namespace vlnokres
