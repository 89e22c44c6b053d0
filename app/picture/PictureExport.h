#pragma once

#include "PictureShapes.h"
#include "app/language/Language.h"
#include "core/DrawOp.h"
#include "core/StartChecks.h"

#include <QByteArray>
#include <QImage>
#include <QLocale>
#include <QPageLayout>
#include <QRectF>
#include <QString>

#include <optional>

class QPagedPaintDevice;
class QPainter;

namespace vlnokres {

// The picture of a scene in the formats documents use. PNG is drawn at its own resolution,
// scale pixels to a designed pixel, exactly as the window draws at that zoom; SVG and PDF are
// vectors (lines as lines, dots as filled circles, text as text) that a document can scale.
// All three show the same picture in the same colours.
enum class PictureFormat { Png, Svg, Pdf };

// The caption with the run's values, each to six significant digits at the most: "Amplituda
// 0,8 · Kmitočet 3 · Fázový posun 45°". In the notation of the language chosen whatever the
// locale, as its words are in that language.
// A value as the caption writes it.
QString pictureNumber(double value, QLocale locale = textLocale());
QString pictureCaption(const Parameters &parameters, const QLocale &locale = textLocale());

// By the file name's extension, whatever its case; nullopt for any other.
std::optional<PictureFormat> pictureFormatOf(const QString &fileName);
// What the user is told where a file name's extension is none of these.
QString pictureFormatsSentence(const QString &fileName);

// The whole scene's raster at that scale, still grey; and the picture cut from a scene drawn
// on it, with the "+" box and the words on top.
QImage blankScene(double scale);
QImage pictureOfScene(const QImage &scene, const PictureText &text, double scale);

QImage pictureImage(const DrawOps &sceneOps, const PictureText &text, double scale,
                    Look look = {});
QByteArray pictureSvg(const DrawOps &sceneOps, const PictureText &text, Look look = {});
// A PDF page of the picture's own size, or an A4 page as the picture is printed.
enum class PdfPage { Picture, A4 };
QByteArray picturePdf(const DrawOps &sceneOps, const PictureText &text, Look look = {}, PdfPage page = PdfPage::Picture);

// The picture as vectors in scene pixels, from the band's top-left corner, onto any painter;
// the band in the palette's grey, as the window shows it, or white, as paper is.
enum class Band { Palette, Paper };
void paintPicture(QPainter &painter, const DrawOps &sceneOps, const PictureText &text, Look look,
                  Band band = Band::Palette);
// The printed page: A4 in landscape with margins, the picture scaled to fit and centred, its
// band white and its traces in the palette's colours; and the picture painted so on a
// printer's or a PDF writer's page. False where the device cannot be painted on (a printer
// that is gone, a file that cannot be written).
QPageLayout printedPageLayout();
QRectF pictureOnPage(const QRectF &printable);
bool paintPage(QPagedPaintDevice &device, const DrawOps &sceneOps, const PictureText &text, Look look);
QByteArray pictureBytes(PictureFormat format, const DrawOps &sceneOps, const PictureText &text, double scale,
                        Look look = {}, PdfPage page = PdfPage::Picture);

} // namespace vlnokres
