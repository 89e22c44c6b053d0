#pragma once

#include "core/DrawOp.h"
#include "core/Ink.h"
#include "core/LessonMarks.h"
#include "core/TraceStyle.h"

#include <QPainterPath>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

class QPainter;

namespace vlnokres {

// The words on a picture: the caption with the run's values, and the readouts where they are
// on, written beside the upper diagram; and what the lesson's tools draw over it, the labels
// and the cursors, with the cursors' values under the readouts.
struct PictureText {
    PictureText(QString caption = {}, QStringList readouts = {}, marks::Marks marks = {}, QStringList cursorValues = {})
        : caption(std::move(caption)), readouts(std::move(readouts)), marks(std::move(marks)),
          cursorValues(std::move(cursorValues))
    {
    }
    QString caption;
    QStringList readouts;
    QString question; // a lesson's, for the class
    marks::Marks marks;
    QStringList cursorValues;
    int textScale = 1; // the readouts and the cursors' values twice as large where the text is large
    // Large words outlined in the band's colour: they may cross the time graph's traces.
    std::optional<std::uint32_t> halo;
};

// Where a picture is drawn as shapes, in scene pixels: an SVG file being written, or a painter
// on a PDF page or over a PNG. Colours are 0xRRGGBB.
class ShapeSink
{
public:
    virtual ~ShapeSink() = default;
    virtual void line(Point from, Point to, double width, std::uint32_t rgb) = 0;
    virtual void disc(Point centre, double radius, std::uint32_t rgb) = 0;
    virtual void ring(Point centre, double radius, double width, std::uint32_t rgb) = 0;
    // The "+" between the upper vectors, as the window shows its box.
    virtual void plusBox(const Rect &box) = 0;
    // A line of text in the caption's font at that size; with a halo, outlined in that colour,
    // so that it reads over the traces it may cross.
    virtual void text(Point baselineStart, const QString &text, int pixels, std::optional<std::uint32_t> halo) = 0;
};

// The picture's shapes: the scene's visible operations, clipped to the picture (so that no
// coordinate is huge or not finite), then the "+" box and the words. A dot, a circle smaller
// than its pen, is a filled disc.
void emitPicture(ShapeSink &sink, const DrawOps &sceneOps, const PictureText &text, Look look);
// The "+" box and the words alone, as a PNG takes them over its raster.
void emitOverlay(ShapeSink &sink, const PictureText &text);
// A lesson's question in the band's free lower-left corner, wrapped to its width, as the
// window shows it too.
void emitQuestion(ShapeSink &sink, const QString &question);
// The readouts' lines beside the upper diagram, as the window shows them too.
void emitReadouts(ShapeSink &sink, const PictureText &text);
// The labels and cursors, and the cursors' values under the readouts.
void emitMarks(ShapeSink &sink, const PictureText &text);

// Shapes onto a painter in scene pixels: the PDF's page, and the PNG's box and caption.
class PainterSink final : public ShapeSink
{
public:
    explicit PainterSink(QPainter &painter) : m_painter(painter) {}

    void line(Point from, Point to, double width, std::uint32_t rgb) override;
    void disc(Point centre, double radius, std::uint32_t rgb) override;
    void ring(Point centre, double radius, double width, std::uint32_t rgb) override;
    void plusBox(const Rect &box) override;
    void text(Point baselineStart, const QString &text, int pixels, std::optional<std::uint32_t> halo) override;

private:
    QPainter &m_painter;
    std::optional<std::uint32_t> m_discInk; // the pen set for discs: its colour and half its width
    double m_discRadius = 0;
};

// The fonts the window shows these in: the caption like its labels, the "+" like its box.
namespace pictureStyle {
inline constexpr auto kCaptionFamily = "Times New Roman";
inline constexpr int kCaptionPixels = 14;
inline constexpr int kReadoutPixels = 12; // two lines in the free area beside the upper diagram
inline constexpr int kCursorValuePixels = 11; // the longest line just fits the area's width
inline constexpr std::uint32_t kBoxEdge = 0x808080;
inline constexpr double kHaloWidth = 4;
} // namespace pictureStyle

// The box's face, inside its one-pixel edge.
struct PlusBoxShape {
    double left, top, width, height;
};
PlusBoxShape plusBoxShape(const Rect &box);
// The "+" in the box, as the painter sets it, in scene pixels: a vector picture takes the same
// outline, so that its "+" is as large as the PNG's whatever fonts its viewer has.
QPainterPath plusGlyph(const Rect &box);

} // namespace vlnokres
