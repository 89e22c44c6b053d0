#include "PictureShapes.h"

#include "app/language/Language.h"
#include "core/Clip.h"
#include "core/Ink.h"
#include "core/Picture.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace vlnokres {
namespace {

constexpr auto kPlusFamily = "MS Sans Serif";
constexpr int kPlusPixels = 18;

QColor colour(std::uint32_t rgb) { return QColor::fromRgb(rgb); }

QFont fontOf(const char *family, int pixels, bool bold)
{
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

} // namespace

void emitPicture(ShapeSink &sink, const DrawOps &sceneOps, const PictureText &text, Look look)
{
    // A margin keeps the caps at the picture's edges; beyond it nothing shows.
    constexpr double kMargin = 8;
    const Rect area{picture::kArea.left - kMargin, picture::kArea.top - kMargin, picture::kArea.right + kMargin,
                    picture::kArea.bottom + kMargin};
    int pen = 1;
    for (const DrawOp &op : picture::visibleOps(sceneOps, look)) {
        if (const auto *width = std::get_if<PenWidth>(&op)) {
            pen = width->pixels;
        } else if (const auto *line = std::get_if<Line>(&op)) {
            if (!isPainted(*line, look))
                continue;
            if (const auto clipped = clipSegment(line->from, line->to, area))
                sink.line(clipped->first, clipped->second, pen, rgbOf(line->ink, look.colours));
        } else {
            const auto painted = dotAsPainted(std::get<Circle>(op), look);
            if (!painted)
                continue;
            const Circle &circle = *painted;
            const double radius = std::abs(circle.radius);
            const double reach = radius + pen / 2.0;
            const Point c = circle.centre;
            if (!std::isfinite(c.x) || !std::isfinite(c.y) || !std::isfinite(reach) || c.x + reach < area.left ||
                c.x - reach > area.right || c.y + reach < area.top || c.y - reach > area.bottom)
                continue;
            if (radius <= pen / 2.0)
                sink.disc(c, reach, rgbOf(circle.ink, look.colours));
            else
                sink.ring(c, radius, pen, rgbOf(circle.ink, look.colours));
        }
    }
    emitOverlay(sink, text);
}

void emitOverlay(ShapeSink &sink, const PictureText &text)
{
    emitMarks(sink, text.marks, text.cursorValues);
    sink.plusBox(picture::kPlusBox);
    if (!text.caption.isEmpty())
        sink.text(picture::kCaptionAt, text.caption, pictureStyle::kCaptionPixels);
    emitReadouts(sink, text.readouts);
    emitQuestion(sink, text.question);
}

void emitQuestion(ShapeSink &sink, const QString &question)
{
    // Below the lower diagram, beyond the longest resultant, and left of the time graph.
    constexpr double kLeft = 8, kWidth = 322, kFirstBaseline = 537, kLineHeight = 14;
    constexpr int kMostLines = 3;
    if (question.isEmpty())
        return;
    const QFontMetricsF metrics(fontOf(pictureStyle::kCaptionFamily, pictureStyle::kReadoutPixels, false));
    QStringList lines{QString()};
    for (const QString &word : question.simplified().split(u' ')) {
        const QString longer = lines.back().isEmpty() ? word : lines.back() + u' ' + word;
        if (metrics.horizontalAdvance(longer) <= kWidth || lines.back().isEmpty())
            lines.back() = longer;
        else
            lines << word;
    }
    if (lines.size() > kMostLines) {
        lines.resize(kMostLines);
        lines.back() += u'…';
    }
    for (qsizetype i = 0; i < lines.size(); ++i)
        sink.text({kLeft, kFirstBaseline + double(i) * kLineHeight},
                  metrics.elidedText(lines[i], Qt::ElideRight, kWidth + metrics.horizontalAdvance(u'…')),
                  pictureStyle::kReadoutPixels);
}

void emitReadouts(ShapeSink &sink, const QStringList &lines)
{
    for (qsizetype i = 0; i < lines.size(); ++i)
        sink.text({picture::kReadoutsAt.x, picture::kReadoutsAt.y + double(i) * picture::kReadoutLineHeight}, lines[i],
                  pictureStyle::kReadoutPixels);
}

void emitMarks(ShapeSink &sink, const marks::Marks &marks, const QStringList &cursorValues)
{
    for (const marks::MarkLine &line : marks.lines)
        sink.line(line.from, line.to, line.width, line.rgb);
    for (const marks::MarkText &text : marks.texts)
        sink.text(text.baselineStart, Texts::tr(text.text.c_str()), text.pixels);
    for (qsizetype i = 0; i < cursorValues.size(); ++i)
        sink.text({picture::kCursorValuesAt.x, picture::kCursorValuesAt.y + double(i) * picture::kCursorValueLineHeight},
                  cursorValues[i], pictureStyle::kCursorValuePixels);
}

PlusBoxShape plusBoxShape(const Rect &box)
{
    return {box.left + 0.5, box.top + 0.5, box.right - box.left - 1, box.bottom - box.top - 1};
}

// Centred as a painter centres text in a rectangle: the advance across, the font's ascent and
// descent down.
QPainterPath plusGlyph(const Rect &box)
{
    const QFont font = fontOf(kPlusFamily, kPlusPixels, true);
    const QFontMetricsF metrics(font);
    const PlusBoxShape face = plusBoxShape(box);
    const QString plus = QStringLiteral("+");
    const double x = face.left + (face.width - metrics.horizontalAdvance(plus)) / 2;
    const double baseline = face.top + (face.height - metrics.height()) / 2 + metrics.ascent();
    QPainterPath path;
    path.addText(QPointF(x, baseline), font, plus);
    return path;
}

void PainterSink::line(Point from, Point to, double width, std::uint32_t rgb)
{
    m_discInk.reset();
    m_painter.setPen(QPen(colour(rgb), width, Qt::SolidLine, Qt::SquareCap));
    m_painter.drawLine(QPointF(from.x, from.y), QPointF(to.x, to.y));
}

// A long trace's dots come one after another in the same colour: each is a round-capped
// point of the pen, a few bytes in a document where a filled circle takes four curves, and the
// pen is set only when its colour or width changes.
void PainterSink::disc(Point centre, double radius, std::uint32_t rgb)
{
    if (m_discInk != rgb || m_discRadius != radius) {
        m_painter.setPen(QPen(colour(rgb), 2 * radius, Qt::SolidLine, Qt::RoundCap));
        m_discInk = rgb;
        m_discRadius = radius;
    }
    m_painter.drawPoint(QPointF(centre.x, centre.y));
}

void PainterSink::ring(Point centre, double radius, double width, std::uint32_t rgb)
{
    m_discInk.reset();
    m_painter.setBrush(Qt::NoBrush);
    m_painter.setPen(QPen(colour(rgb), width));
    m_painter.drawEllipse(QPointF(centre.x, centre.y), radius, radius);
}

void PainterSink::plusBox(const Rect &box)
{
    m_discInk.reset();
    const PlusBoxShape face = plusBoxShape(box);
    const QRectF rect(face.left, face.top, face.width, face.height);
    m_painter.setPen(QPen(colour(pictureStyle::kBoxEdge), 1));
    m_painter.setBrush(colour(rgbOf(Ink::BackgroundGrey)));
    m_painter.drawRoundedRect(rect, 2, 2);
    m_painter.setBrush(Qt::NoBrush);
    m_painter.setPen(Qt::black);
    m_painter.setFont(fontOf(kPlusFamily, kPlusPixels, true));
    m_painter.drawText(rect, Qt::AlignCenter, QStringLiteral("+"));
}

void PainterSink::text(Point baselineStart, const QString &text, int pixels)
{
    m_discInk.reset();
    m_painter.setPen(Qt::black);
    m_painter.setFont(fontOf(pictureStyle::kCaptionFamily, pixels, false));
    m_painter.drawText(QPointF(baselineStart.x, baselineStart.y), text);
}

} // namespace vlnokres
