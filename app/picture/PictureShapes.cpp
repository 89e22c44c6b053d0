#include "PictureShapes.h"

#include "app/language/Language.h"
#include "core/Clip.h"
#include "core/Ink.h"
#include "core/Picture.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QRegularExpression>

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

// A line broken at its spaces into lines of at most that width. It breaks first where the line
// pauses (after a comma or a colon, at a run of spaces), then between words, never within
// "y = 0,87" nor before a unit; a word longer than the width stands alone on its line.
QStringList wrapped(const QString &text, const QFontMetricsF &metrics, double width)
{
    if (metrics.horizontalAdvance(text) <= width)
        return {text};
    enum class Gap { Glue, Word, Pause };
    struct Piece {
        Gap before;
        QString spaces;
        QString word;
    };
    static const QRegularExpression kSpacedWord(QStringLiteral("( *)([^ ]+)"));
    static const QStringList kUnits{QStringLiteral("="), QStringLiteral("T₁"), QStringLiteral("f₁"), QStringLiteral("Hz")};
    std::vector<Piece> pieces;
    for (const QRegularExpressionMatch &m : kSpacedWord.globalMatch(text)) {
        const QString spaces = m.captured(1), word = m.captured(2);
        Gap gap = Gap::Word;
        if (pieces.empty() || pieces.back().word.endsWith(u'=') || kUnits.contains(word))
            gap = Gap::Glue;
        else if (spaces.size() > 1 || pieces.back().word.endsWith(u',') || pieces.back().word.endsWith(u':'))
            gap = Gap::Pause;
        pieces.push_back({gap, spaces, word});
    }
    auto joined = [&](std::size_t from, std::size_t to) {
        QString line;
        for (std::size_t i = from; i < to; ++i)
            line += (i == from ? QString() : pieces[i].spaces) + pieces[i].word;
        return line;
    };
    QStringList lines;
    std::size_t first = 0;
    for (std::size_t end = 1; end <= pieces.size(); ++end) {
        if (end < pieces.size() && metrics.horizontalAdvance(joined(first, end + 1)) <= width)
            continue;
        if (end == pieces.size()) {
            lines << joined(first, end);
            break;
        }
        // The piece at end does not fit: break at the line's last pause, or else its last gap
        // between words; where it has neither, the line runs on.
        std::size_t breakAt = 0;
        for (const Gap wanted : {Gap::Pause, Gap::Word}) {
            for (std::size_t i = end; i > first && !breakAt; --i)
                if (pieces[i].before == wanted)
                    breakAt = i;
            if (breakAt)
                break;
        }
        if (!breakAt)
            continue;
        lines << joined(first, breakAt);
        first = breakAt;
        end = breakAt;
    }
    return lines.isEmpty() ? QStringList{QString()} : lines;
}

struct PlacedText {
    Point baselineStart;
    QString text;
    int pixels;
    std::optional<std::uint32_t> halo;
};

// Lines one under another from a baseline on, each broken to the width.
std::vector<PlacedText> stacked(const QStringList &lines, Point start, double lineHeight, int pixels, double width,
                                std::optional<std::uint32_t> halo = std::nullopt)
{
    std::vector<PlacedText> placed;
    const QFontMetricsF metrics(fontOf(pictureStyle::kCaptionFamily, pixels, false));
    for (const QString &line : lines)
        for (const QString &part : wrapped(line, metrics, width))
            placed.push_back({{start.x, start.y + double(placed.size()) * lineHeight}, part, pixels, halo});
    return placed;
}

// The readouts and the cursors' values where they were designed; twice as large they would run
// past the picture's right edge, and are broken at their spaces to the right column's width,
// the cursors' values under the readouts.
struct ValueLines {
    std::vector<PlacedText> readouts;
    std::vector<PlacedText> cursorValues;
};
ValueLines placedValueLines(const PictureText &text)
{
    using namespace picture;
    using namespace pictureStyle;
    constexpr double kRightMargin = 4;
    // As designed every line fits; a longer one (a figure's ratio) is broken where it would not.
    if (text.textScale == 1)
        return {stacked(text.readouts, kReadoutsAt, kReadoutLineHeight, kReadoutPixels,
                        kArea.right - kRightMargin - kReadoutsAt.x),
                stacked(text.cursorValues, kCursorValuesAt, kCursorValueLineHeight, kCursorValuePixels,
                        kArea.right - kRightMargin - kCursorValuesAt.x)};
    const int readoutPixels = kReadoutPixels * text.textScale, valuePixels = kCursorValuePixels * text.textScale;
    ValueLines placed;
    constexpr double kLeading = 1.1;
    placed.readouts = stacked(text.readouts, kReadoutsAt, kLeading * readoutPixels, readoutPixels,
                              kArea.right - kRightMargin - kReadoutsAt.x, text.halo);
    const Point valuesAt{kCursorValuesAt.x, placed.readouts.empty()
                                                ? kReadoutsAt.y
                                                : placed.readouts.back().baselineStart.y + 1.6 * readoutPixels};
    placed.cursorValues = stacked(text.cursorValues, valuesAt, kLeading * valuePixels, valuePixels,
                                  kArea.right - kRightMargin - valuesAt.x, text.halo);
    return placed;
}

void emitPlaced(ShapeSink &sink, const std::vector<PlacedText> &lines)
{
    for (const PlacedText &line : lines)
        sink.text(line.baselineStart, line.text, line.pixels, line.halo);
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
    emitMarks(sink, text);
    sink.plusBox(picture::kPlusBox);
    if (!text.caption.isEmpty())
        sink.text(picture::kCaptionAt, text.caption, pictureStyle::kCaptionPixels, std::nullopt);
    emitReadouts(sink, text);
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
    QStringList lines = wrapped(question.simplified(), metrics, kWidth);
    if (lines.size() > kMostLines) {
        lines.resize(kMostLines);
        lines.back() += u'…';
    }
    for (qsizetype i = 0; i < lines.size(); ++i)
        sink.text({kLeft, kFirstBaseline + double(i) * kLineHeight},
                  metrics.elidedText(lines[i], Qt::ElideRight, kWidth + metrics.horizontalAdvance(u'…')),
                  pictureStyle::kReadoutPixels, std::nullopt);
}

void emitReadouts(ShapeSink &sink, const PictureText &text) { emitPlaced(sink, placedValueLines(text).readouts); }

void emitMarks(ShapeSink &sink, const PictureText &text)
{
    for (const marks::MarkLine &line : text.marks.lines)
        sink.line(line.from, line.to, line.width, line.rgb);
    for (const marks::MarkText &mark : text.marks.texts)
        sink.text(mark.baselineStart, Texts::tr(mark.text.c_str()), mark.pixels, text.halo);
    emitPlaced(sink, placedValueLines(text).cursorValues);
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

void PainterSink::text(Point baselineStart, const QString &text, int pixels, std::optional<std::uint32_t> halo)
{
    m_discInk.reset();
    const QFont font = fontOf(pictureStyle::kCaptionFamily, pixels, false);
    if (halo) {
        QPainterPath outline;
        outline.addText(QPointF(baselineStart.x, baselineStart.y), font, text);
        m_painter.strokePath(outline, QPen(colour(*halo), pictureStyle::kHaloWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        m_painter.fillPath(outline, Qt::black);
        return;
    }
    m_painter.setPen(Qt::black);
    m_painter.setFont(font);
    m_painter.drawText(QPointF(baselineStart.x, baselineStart.y), text);
}

} // namespace vlnokres
