#include "PictureCommands.h"

#include "MessageBox.h"
#include "PictureExport.h"
#include "core/Drawing.h"
#include "core/Picture.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeData>
#include <QStandardPaths>

namespace vlnokres {
namespace {

constexpr auto kFileName = "soucet-sinusovek.png";
const QString kPngFilter = QStringLiteral("Obrázek PNG (*.png)");
const QString kSvgFilter = QStringLiteral("Obrázek SVG (*.svg)");
const QString kPdfFilter = QStringLiteral("Dokument PDF (*.pdf)");

QString extensionOf(const QString &filter)
{
    if (filter == kSvgFilter)
        return QStringLiteral(".svg");
    if (filter == kPdfFilter)
        return QStringLiteral(".pdf");
    return QStringLiteral(".png");
}

} // namespace

bool PictureCommands::available() const { return m_drawing.hasScene(); }

QString PictureCommands::caption() const { return m_parameters ? pictureCaption(*m_parameters) : QString(); }

QString PictureCommands::suggestedPath() const
{
    QString folder = m_folder;
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    return QDir(folder).filePath(QString::fromLatin1(kFileName));
}

void PictureCommands::save()
{
    if (!available())
        return;
    QString filter = kPngFilter;
    const QString path = QFileDialog::getSaveFileName(&m_window, QStringLiteral("Uložit obrázek"), suggestedPath(),
                                                      QStringList{kPngFilter, kSvgFilter, kPdfFilter}.join(u";;"),
                                                      &filter);
    if (path.isEmpty())
        return;
    m_folder = QFileInfo(path).absolutePath();
    const QString failure = saveTo(path, filter);
    if (!failure.isEmpty()) {
        const QByteArray text = cannotSaveSentence(path, failure).toUtf8();
        showMessageBox(m_window, {"Obrázek nelze uložit", text.constData()});
    }
}

QString PictureCommands::saveTo(QString path, const QString &filter)
{
    if (!pictureFormatOf(path))
        path += extensionOf(filter);
    return writeWhole(path, pictureBytes(*pictureFormatOf(path), m_drawing.sceneOps(), caption(),
                                         picture::kDefaultScale));
}

void PictureCommands::copy()
{
    if (!available())
        return;
    const DrawOps ops = m_drawing.sceneOps();
    auto *data = new QMimeData;
    data->setImageData(pictureImage(ops, caption(), picture::kDefaultScale));
    data->setData(QStringLiteral("image/svg+xml"), pictureSvg(ops, caption()));
    QApplication::clipboard()->setMimeData(data);
}

} // namespace vlnokres
