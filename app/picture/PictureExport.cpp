#include "PictureExport.h"
#include "app/language/Language.h"

#include <QBuffer>
#include <QFileInfo>

namespace vlnokres {
namespace {

// Enough to tell values apart in a document; a value of three hundred digits would run off
// the picture.
constexpr int kCaptionDigits = 6;

} // namespace

QString pictureNumber(double value, QLocale locale)
{
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale.toString(value, 'g', kCaptionDigits);
}

QString pictureCaption(const Parameters &parameters, const QLocale &locale)
{
    return Texts::tr("Amplituda %1 · Kmitočet %2 · Fázový posun %3°")
        .arg(pictureNumber(parameters.amplitude, locale), pictureNumber(parameters.frequency, locale),
             pictureNumber(parameters.phaseDegrees, locale));
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

QString pictureFormatsSentence(const QString &fileName)
{
    return Texts::tr("Soubor „%1“ nemá příponu .png, .svg, .pdf ani .gif.").arg(fileName);
}

QByteArray pictureBytes(PictureFormat format, const DrawOps &sceneOps, const PictureText &text, double scale,
                        Look look, PdfPage page)
{
    switch (format) {
    case PictureFormat::Svg:
        return pictureSvg(sceneOps, text, look);
    case PictureFormat::Pdf:
        return picturePdf(sceneOps, text, look, page);
    case PictureFormat::Png:
        break;
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    pictureImage(sceneOps, text, scale, look).save(&buffer, "PNG");
    return bytes;
}

} // namespace vlnokres
