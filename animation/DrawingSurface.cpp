#include "DrawingSurface.h"

#include "Clip.h"
#include "Ring.h"

#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QWidget>

namespace vlnokres {
namespace {

// Lines are clipped a little outside the image, so that their caps at the edges still show,
// and the painter never sees a coordinate it could mishandle.
constexpr double kClipMargin = 8;

QColor colourOf(Ink ink) { return QColor::fromRgb(rgbOf(ink)); }

} // namespace

DrawingSurface::DrawingSurface(QWidget &window, QSize size)
    : m_window(window), m_image(size, QImage::Format_RGB32)
{
    m_image.fill(colourOf(Ink::BackgroundGrey));
}

void DrawingSurface::draw(const DrawOps &ops)
{
    QPainter painter(&m_image);
    QRect dirty;
    for (const DrawOp &op : ops)
        dirty |= drawOne(painter, op);
    painter.end();
    if (!dirty.isEmpty())
        m_window.update(dirty);
}

QRect DrawingSurface::drawOne(QPainter &painter, const DrawOp &op)
{
    if (const auto *width = std::get_if<PenWidth>(&op)) {
        setPenWidth(width->pixels);
        return {};
    }
    if (const auto *line = std::get_if<Line>(&op))
        return drawLine(painter, *line);
    return drawCircle(painter, std::get<Circle>(op));
}

QRect DrawingSurface::drawLine(QPainter &painter, const Line &line)
{
    const ClipRect area{-kClipMargin, -kClipMargin, m_image.width() + kClipMargin,
                        m_image.height() + kClipMargin};
    const auto clipped = clipSegment(line.from, line.to, area);
    if (!clipped)
        return {};
    const QPointF from(clipped->first.x, clipped->first.y);
    const QPointF to(clipped->second.x, clipped->second.y);
    const int reach = m_penWidth + 1;
    const QRect bounds = QRectF(from, to).normalized().toAlignedRect().adjusted(-reach, -reach, reach, reach)
                         & m_image.rect();
    if (bounds.isEmpty())
        return {};
    paintOverLabels(painter, bounds);
    // Square rather than round caps: at two pixels they look the same, and round ones cost
    // the painter a curve each, more than doubling the time of a step.
    painter.setPen(QPen(colourOf(line.ink), m_penWidth, Qt::SolidLine, Qt::SquareCap));
    painter.drawLine(from, to);
    return bounds;
}

QRect DrawingSurface::drawCircle(QPainter &painter, const Circle &circle)
{
    const auto spans = ringSpans(circle.centre, circle.radius, m_penWidth, m_image.width(), m_image.height());
    QRect bounds;
    for (const PixelSpan &span : spans)
        bounds |= QRect(QPoint(span.xFirst, span.y), QPoint(span.xLast, span.y));
    if (bounds.isEmpty())
        return {};
    paintOverLabels(painter, bounds);
    const QColor colour = colourOf(circle.ink);
    for (const PixelSpan &span : spans)
        painter.fillRect(QRect(QPoint(span.xFirst, span.y), QPoint(span.xLast, span.y)), colour);
    return bounds;
}

void DrawingSurface::addLabel(QLabel *label) { m_labels.append(label); }

void DrawingSurface::paintOverLabels(QPainter &painter, const QRect &area)
{
    for (const QPointer<QLabel> &label : std::as_const(m_labels)) {
        if (!label || label->isHidden() || !label->geometry().intersects(area))
            continue;
        label->render(&painter, label->pos(), QRegion(), QWidget::DrawChildren);
        label->hide();
    }
}

void DrawingSurface::paint(QPainter &painter, const QRect &area) const
{
    const QRect shown = area & m_image.rect();
    if (!shown.isEmpty())
        painter.drawImage(shown, m_image, shown);
}

void DrawingSurface::showMessage(const Message &message)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(message.title), QString::fromUtf8(message.text),
                    QMessageBox::Ok, &m_window);
    box.exec();
}

} // namespace vlnokres
