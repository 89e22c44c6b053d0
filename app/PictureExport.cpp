#include "PictureExport.h"

#include "NumberText.h"
#include "RasterPainter.h"
#include "VectorPicture.h"
#include "core/Ink.h"
#include "core/Picture.h"
#include "core/SceneGeometry.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <cmath>

namespace vlnokres {
namespace {

constexpr QSize kSceneSize{scene::kClientWidth, scene::kClientHeight};
constexpr std::uint32_t kGrey = rgbOf(Ink::BackgroundGrey);
// The fonts the window shows these in: the caption like its labels, the "+" like its box.
constexpr auto kCaptionFamily = "Times New Roman";
constexpr int kCaptionPixels = 14;
constexpr auto kPlusFamily = "MS Sans Serif";
constexpr int kPlusPixels = 18;
constexpr std::uint32_t kBoxEdge = 0x808080;

QColor colour(std::uint32_t rgb) { return QColor::fromRgb(rgb); }

QFont fontOf(const char *family, int pixels, bool bold)
{
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// Shapes onto a painter in scene pixels: the PDF's page, and the PNG's box and caption.
class PainterSink final : public ShapeSink
{
public:
    explicit PainterSink(QPainter &painter) : m_painter(painter) {}

    void line(Point from, Point to, double width, std::uint32_t rgb) override
    {
        m_painter.setPen(QPen(colour(rgb), width, Qt::SolidLine, Qt::SquareCap));
        m_painter.drawLine(QPointF(from.x, from.y), QPointF(to.x, to.y));
    }
    void disc(Point centre, double radius, std::uint32_t rgb) override
    {
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(colour(rgb));
        m_painter.drawEllipse(QPointF(centre.x, centre.y), radius, radius);
        m_painter.setBrush(Qt::NoBrush);
    }
    void ring(Point centre, double radius, double width, std::uint32_t rgb) override
    {
        m_painter.setPen(QPen(colour(rgb), width));
        m_painter.drawEllipse(QPointF(centre.x, centre.y), radius, radius);
    }
    void plusBox(const Rect &box) override
    {
        const QRectF rect(box.left + 0.5, box.top + 0.5, box.right - box.left - 1, box.bottom - box.top - 1);
        m_painter.setPen(QPen(colour(kBoxEdge), 1));
        m_painter.setBrush(colour(kGrey));
        m_painter.drawRoundedRect(rect, 2, 2);
        m_painter.setBrush(Qt::NoBrush);
        m_painter.setPen(Qt::black);
        m_painter.setFont(fontOf(kPlusFamily, kPlusPixels, true));
        m_painter.drawText(rect, Qt::AlignCenter, QStringLiteral("+"));
    }
    void caption(Point baselineStart, const QString &text) override
    {
        m_painter.setPen(Qt::black);
        m_painter.setFont(fontOf(kCaptionFamily, kCaptionPixels, false));
        m_painter.drawText(QPointF(baselineStart.x, baselineStart.y), text);
    }

private:
    QPainter &m_painter;
};

// Shapes as SVG elements, short ones: a class for each colour and pen, numbers to a
// hundredth of a pixel.
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
        m_body += QStringLiteral("<circle fill=\"%1\" cx=\"%2\" cy=\"%3\" r=\"%4\"/>\n")
                      .arg(hex(rgb), number(centre.x), number(centre.y), number(radius));
    }
    void ring(Point centre, double radius, double width, std::uint32_t rgb) override
    {
        m_body += QStringLiteral("<circle class=\"%1\" fill=\"none\" cx=\"%2\" cy=\"%3\" r=\"%4\"/>\n")
                      .arg(strokeClass(rgb, width), number(centre.x), number(centre.y), number(radius));
    }
    void plusBox(const Rect &box) override
    {
        m_body += QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"2\" fill=\"%5\" "
                                 "stroke=\"%6\"/>\n")
                      .arg(number(box.left + 0.5), number(box.top + 0.5), number(box.right - box.left - 1),
                           number(box.bottom - box.top - 1), hex(kGrey), hex(kBoxEdge));
        // The baseline a third of the font's size below the middle centres the cross.
        m_body += QStringLiteral("<text x=\"%1\" y=\"%2\" text-anchor=\"middle\" "
                                 "font-family=\"%3, Liberation Sans, Arial, sans-serif\" font-weight=\"bold\" "
                                 "font-size=\"%4\">+</text>\n")
                      .arg(number((box.left + box.right) / 2), number((box.top + box.bottom) / 2 + kPlusPixels / 3.0),
                           QString::fromLatin1(kPlusFamily), QString::number(kPlusPixels));
    }
    void caption(Point baselineStart, const QString &text) override
    {
        m_body += QStringLiteral("<text x=\"%1\" y=\"%2\" font-family=\"%3, Liberation Serif, serif\" "
                                 "font-size=\"%4\">%5</text>\n")
                      .arg(number(baselineStart.x), number(baselineStart.y), QString::fromLatin1(kCaptionFamily),
                           QString::number(kCaptionPixels), text.toHtmlEscaped());
    }

    QByteArray document(const QString &title) const
    {
        QString styles;
        for (const QString &style : m_styles)
            styles += style;
        const Rect &a = picture::kArea;
        return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                              "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" "
                              "viewBox=\"%3 %4 %1 %2\">\n<title>%5</title>\n<style>line,circle{stroke-linecap:square}"
                              "%6</style>\n<rect x=\"%3\" y=\"%4\" width=\"%1\" height=\"%2\" fill=\"%7\"/>\n%8</svg>\n")
            .arg(number(picture::kWidth), number(picture::kHeight), number(a.left), number(a.top),
                 title.toHtmlEscaped(), styles, hex(kGrey), m_body)
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
    QString strokeClass(std::uint32_t rgb, double width)
    {
        const QString name = QStringLiteral("s%1w%2").arg(rgb, 6, 16, QLatin1Char('0')).arg(number(width)).replace(u'.', u'_');
        if (!m_styles.contains(name))
            m_styles.insert(name, QStringLiteral(".%1{stroke:%2;stroke-width:%3}").arg(name, hex(rgb), number(width)));
        return name;
    }

    QString m_body;
    QMap<QString, QString> m_styles;
};

const QString kTitle = QStringLiteral("Součet dvou sinusovek");

} // namespace

QString pictureCaption(const Parameters &parameters, const QLocale &locale)
{
    return QStringLiteral("Amplituda %1 · Kmitočet %2 · Fázový posun %3°")
        .arg(writeNumber(parameters.amplitude, locale), writeNumber(parameters.frequency, locale),
             writeNumber(parameters.phaseDegrees, locale));
}

std::optional<PictureFormat> pictureFormatOf(const QString &fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == u"png")
        return PictureFormat::Png;
    if (suffix == u"svg")
        return PictureFormat::Svg;
    if (suffix == u"pdf")
        return PictureFormat::Pdf;
    return std::nullopt;
}

// The band as the window draws it at this zoom, cut from the whole scene, then the "+" box
// and the caption on top, as the window shows them.
QImage pictureImage(const DrawOps &sceneOps, const QString &caption, double scale)
{
    QImage scene(QSize(int(std::lround(kSceneSize.width() * scale)), int(std::lround(kSceneSize.height() * scale))),
                 QImage::Format_RGB32);
    scene.fill(colour(kGrey));
    {
        RasterPainter painter(scene, scale, kSceneSize);
        for (const DrawOp &op : sceneOps)
            painter.paint(op);
    }
    const Rect &a = picture::kArea;
    QImage image = scene.copy(QRect(QPoint(0, int(std::lround(a.top * scale))),
                                    QSize(int(std::lround(picture::kWidth * scale)),
                                          int(std::lround(picture::kHeight * scale)))));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(scale, scale);
    painter.translate(-a.left, -a.top);
    PainterSink sink(painter);
    sink.plusBox(picture::kPlusBox);
    if (!caption.isEmpty())
        sink.caption(picture::kCaptionAt, caption);
    return image;
}

QByteArray pictureSvg(const DrawOps &sceneOps, const QString &caption)
{
    SvgSink sink;
    emitPicture(sink, sceneOps, caption);
    return sink.document(caption.isEmpty() ? kTitle : kTitle + QStringLiteral(": ") + caption);
}

// A page of the picture's size at 96 dots an inch, so that a scene pixel is a dot.
QByteArray picturePdf(const DrawOps &sceneOps, const QString &caption)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setTitle(kTitle);
        pdf.setCreator(QStringLiteral("Vlnokres"));
        pdf.setResolution(96);
        pdf.setPageSize(QPageSize(QSizeF(picture::kWidth, picture::kHeight) * 72.0 / 96, QPageSize::Point));
        pdf.setPageMargins(QMarginsF());
        QPainter painter(&pdf);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(-picture::kArea.left, -picture::kArea.top);
        const QRectF page(picture::kArea.left, picture::kArea.top, picture::kWidth, picture::kHeight);
        painter.setClipRect(page);
        painter.fillRect(page, colour(kGrey));
        PainterSink sink(painter);
        emitPicture(sink, sceneOps, caption);
    }
    return bytes;
}

QByteArray pictureBytes(PictureFormat format, const DrawOps &sceneOps, const QString &caption, double scale)
{
    switch (format) {
    case PictureFormat::Svg:
        return pictureSvg(sceneOps, caption);
    case PictureFormat::Pdf:
        return picturePdf(sceneOps, caption);
    case PictureFormat::Png:
        break;
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    pictureImage(sceneOps, caption, scale).save(&buffer, "PNG");
    return bytes;
}

QString cannotSaveSentence(const QString &path, const QString &reason)
{
    return QStringLiteral("Obrázek „%1“ nelze uložit: %2.").arg(path, reason);
}

QString writeWhole(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        const QFileInfo folder(QFileInfo(path).absolutePath());
        if (!folder.exists())
            return QStringLiteral("složka %1 neexistuje").arg(folder.filePath());
        if (!folder.isWritable())
            return QStringLiteral("do složky %1 nelze zapisovat").arg(folder.filePath());
        return QStringLiteral("soubor nelze vytvořit (%1)").arg(file.errorString());
    }
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return QStringLiteral("zápis selhal, disk je možná plný (%1)").arg(file.errorString());
    }
    if (!file.commit())
        return QStringLiteral("soubor nelze dokončit (%1)").arg(file.errorString());
    return {};
}

} // namespace vlnokres
