#include "PictureExport.h"
#include "app/language/Language.h"
#include "PictureShapes.h"

#include "core/Ink.h"
#include "core/Picture.h"

#include <QMap>

#include <cmath>

namespace vlnokres {
namespace {

// Shapes as SVG elements, short ones: a class for each colour and pen, numbers to a
// hundredth of a pixel. A dot is a use of its colour's circle, defined once: a long axis's
// picture has tens of thousands of them.
class SvgSink final : public ShapeSink
{
public:
    void line(Point from, Point to, double width, std::uint32_t rgb) override
    {
        m_body += QStringLiteral("<line class=\"%1\" x1=\"%2\" y1=\"%3\" x2=\"%4\" y2=\"%5\"/>\n")
                      .arg(strokeClass(rgb, width), number(from.x), number(from.y), number(to.x), number(to.y));
    }
    void disc(Point centre, double radius, std::uint32_t rgb) override
    {
        m_body += QStringLiteral("<use href=\"#%1\" x=\"%2\" y=\"%3\"/>\n")
                      .arg(dotId(rgb, radius), number(centre.x), number(centre.y));
    }
    void ring(Point centre, double radius, double width, std::uint32_t rgb) override
    {
        m_body += QStringLiteral("<circle class=\"%1\" fill=\"none\" cx=\"%2\" cy=\"%3\" r=\"%4\"/>\n")
                      .arg(strokeClass(rgb, width), number(centre.x), number(centre.y), number(radius));
    }
    void plusBox(const Rect &box) override
    {
        const PlusBoxShape face = plusBoxShape(box);
        m_body += QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"2\" fill=\"%5\" "
                                 "stroke=\"%6\"/>\n")
                      .arg(number(face.left), number(face.top), number(face.width), number(face.height),
                           hex(rgbOf(Ink::BackgroundGrey)), hex(pictureStyle::kBoxEdge));
        m_body += QStringLiteral("<path fill=\"#000000\" d=\"%1\"/>\n").arg(pathData(plusGlyph(box)));
    }
    void text(Point baselineStart, const QString &text, int pixels, std::optional<std::uint32_t> halo) override
    {
        const QString outline = halo ? QStringLiteral(" stroke=\"%1\" stroke-width=\"%2\" stroke-linejoin=\"round\" "
                                                      "paint-order=\"stroke\"")
                                           .arg(hex(*halo), number(pictureStyle::kHaloWidth))
                                     : QString();
        // The cursors' values keep their wide gaps, which a viewer would fold into one space.
        m_body += QStringLiteral("<text x=\"%1\" y=\"%2\" font-family=\"%3, Liberation Serif, serif\" "
                                 "font-size=\"%4\" xml:space=\"preserve\"%5>%6</text>\n")
                      .arg(number(baselineStart.x), number(baselineStart.y),
                           QString::fromLatin1(pictureStyle::kCaptionFamily), QString::number(pixels), outline,
                           text.toHtmlEscaped());
    }

    QByteArray document(const QString &title, std::uint32_t background) const
    {
        QString styles;
        for (const QString &style : m_styles)
            styles += style;
        const Rect &a = picture::kArea;
        return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                              "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" "
                              "viewBox=\"%3 %4 %1 %2\">\n<title>%5</title>\n<style>line,circle{stroke-linecap:square}"
                              "%6</style>\n<defs>%7</defs>\n<rect x=\"%3\" y=\"%4\" width=\"%1\" height=\"%2\" fill=\"%8\"/>\n%9</svg>\n")
            .arg(number(picture::kWidth), number(picture::kHeight), number(a.left), number(a.top),
                 title.toHtmlEscaped(), styles, m_dots, hex(background), m_body)
            .toUtf8();
    }

private:
    static QString hex(std::uint32_t rgb) { return QStringLiteral("#%1").arg(rgb, 6, 16, QLatin1Char('0')); }
    static QString number(double v)
    {
        QString text = QString::number(std::round(v * 100) / 100, 'f', 2);
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(u'.'))
            text.chop(1);
        return text == QStringLiteral("-0") ? QStringLiteral("0") : text;
    }
    // A glyph's outline: moves, lines and cubic curves, as a painter path holds them.
    static QString pathData(const QPainterPath &path)
    {
        QString d;
        for (int i = 0; i < path.elementCount(); ++i) {
            const QPainterPath::Element e = path.elementAt(i);
            const QString point = number(e.x) + u' ' + number(e.y);
            switch (e.type) {
            case QPainterPath::MoveToElement: d += (d.isEmpty() ? QString() : QStringLiteral("Z")) + u'M' + point; break;
            case QPainterPath::LineToElement: d += u'L' + point; break;
            case QPainterPath::CurveToElement: d += u'C' + point; break;
            case QPainterPath::CurveToDataElement: d += u' ' + point; break;
            }
        }
        return d + u'Z';
    }
    QString strokeClass(std::uint32_t rgb, double width)
    {
        const QString name = QStringLiteral("s%1w%2").arg(rgb, 6, 16, QLatin1Char('0')).arg(number(width)).replace(u'.', u'_');
        if (!m_styles.contains(name))
            m_styles.insert(name, QStringLiteral(".%1{stroke:%2;stroke-width:%3}").arg(name, hex(rgb), number(width)));
        return name;
    }

    QString dotId(std::uint32_t rgb, double radius)
    {
        const auto key = std::pair(rgb, radius);
        auto found = m_dotIds.find(key);
        if (found == m_dotIds.end()) {
            found = m_dotIds.insert(key, QStringLiteral("d%1").arg(m_dotIds.size()));
            m_dots += QStringLiteral("<circle id=\"%1\" r=\"%2\" fill=\"%3\"/>").arg(*found, number(radius), hex(rgb));
        }
        return *found;
    }

    QString m_body;
    QMap<QString, QString> m_styles;
    QMap<std::pair<std::uint32_t, double>, QString> m_dotIds; // a colour's and radius's circle
    QString m_dots;                                            // their definitions
};

} // namespace

QByteArray pictureSvg(const DrawOps &sceneOps, const PictureText &text, Look look)
{
    const QString title = Texts::tr("Součet dvou sinusovek");
    SvgSink sink;
    emitPicture(sink, sceneOps, text, look);
    return sink.document(text.caption.isEmpty() ? title : title + QStringLiteral(": ") + text.caption,
                         rgbOf(Ink::BackgroundGrey, look.colours));
}

} // namespace vlnokres
