#include "PictureCommands.h"
#include "app/language/Language.h"

#include "AnimationGif.h"
#include "PictureExport.h"
#include "PictureFile.h"
#include "ReadoutText.h"
#include "app/run/RasterSurface.h"
#include "app/run/RunController.h"
#include "core/Picture.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>

#include <algorithm>

namespace vlnokres {
namespace {

constexpr auto kFileName = QT_TRANSLATE_NOOP("vlnokres::Texts", "soucet-sinusovek.png");

struct Filter {
    const char *text; // the Czech source
    const char *suffix;
};
constexpr Filter kFilters[] = {
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "Obrázek PNG (*.png)"), "png"},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "Obrázek SVG (*.svg)"), "svg"},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "Dokument PDF (*.pdf)"), "pdf"},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "Animace GIF (*.gif)"), "gif"},
};

QString suffixOf(const QString &filter)
{
    for (const Filter &f : kFilters)
        if (filter == Texts::tr(f.text))
            return QString::fromLatin1(f.suffix);
    return QString::fromLatin1(kFilters[0].suffix);
}

} // namespace

bool PictureCommands::available() const { return m_drawing.hasScene(); }

PictureText PictureCommands::text() const
{
    const auto &last = m_run.lastRun();
    if (!last)
        return {};
    PictureText text = overlayText(last->parameters, std::max(1, m_run.shownStep()), m_run.shownSetUp());
    text.caption = pictureCaption(last->parameters);
    if (m_question)
        text.question = m_question();
    return text;
}

void PictureCommands::tell(const QString &text) { m_tell({Texts::tr("Obrázek nelze uložit").toStdString(), text.toStdString()}); }

QString PictureCommands::suggestedPath() const
{
    QString folder = m_folder;
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    return QDir(folder).filePath(Texts::tr(kFileName));
}

// The dialog adds the chosen format's extension to a name typed without one before it asks
// whether to replace a file, so that the question is asked of the file that is written. A
// name with an extension that no format has is refused, and the dialog comes again.
void PictureCommands::save()
{
    if (!available())
        return;
    QFileDialog dialog(&m_window, Texts::tr("Uložit obrázek"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    QStringList filters;
    for (const Filter &f : kFilters)
        filters << Texts::tr(f.text);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(QString::fromLatin1(kFilters[0].suffix));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString &filter) { dialog.setDefaultSuffix(suffixOf(filter)); });
    dialog.selectFile(suggestedPath());
    while (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        const QString path = dialog.selectedFiles().constFirst();
        if (!pictureFormatOf(path) && !isAnimationFile(path)) {
            tell(pictureFormatsSentence(QFileInfo(path).fileName()));
            continue;
        }
        m_folder = QFileInfo(path).absolutePath();
        if (const QString failure = saveTo(path); !failure.isEmpty())
            tell(cannotSaveSentence(path, failure,
                                    isAnimationFile(path) ? Texts::tr("Animaci") : Texts::tr("Obrázek")));
        break;
    }
    m_window.activateWindow();
}

// An animation is of the whole run the window ran last, whatever step it shows.
QString PictureCommands::saveTo(const QString &path)
{
    const SetUp view = m_run.shownSetUp();
    if (const auto &last = m_run.lastRun(); isAnimationFile(path) && last) {
        // A slow run takes a second or so to encode.
        QApplication::setOverrideCursor(Qt::BusyCursor);
        const QByteArray gif = animationGif({last->parameters, view, kAnimationScale, m_question ? m_question() : QString()});
        QApplication::restoreOverrideCursor();
        return gif.isEmpty() ? notEncoded() : writeWhole(path, gif);
    }
    const auto format = pictureFormatOf(path);
    if (!format)
        return pictureFormatsSentence(QFileInfo(path).fileName());
    return writeWhole(path, pictureBytes(*format, m_drawing.sceneOps(), text(), picture::kDefaultScale, view.look()));
}

void PictureCommands::copy()
{
    if (!available())
        return;
    const DrawOps ops = m_drawing.sceneOps();
    auto *data = new QMimeData;
    const PictureText words = text();
    const Look look = m_run.shownSetUp().look();
    data->setImageData(pictureImage(ops, words, picture::kDefaultScale, look));
    data->setData(QStringLiteral("image/svg+xml"), pictureSvg(ops, words, look));
    QApplication::clipboard()->setMimeData(data);
}

bool PictureCommands::printOn(QPrinter &printer) const
{
    printer.setDocName(Texts::tr("Součet dvou sinusovek"));
    printer.setPageLayout(printedPageLayout());
    return paintPage(printer, m_drawing.sceneOps(), text(), m_run.shownSetUp().look());
}

void PictureCommands::print()
{
    if (!available())
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(printedPageLayout());
    QPrintDialog dialog(&printer, &m_window);
    dialog.setWindowTitle(Texts::tr("Tisk obrázku"));
    if (dialog.exec() == QDialog::Accepted && !printOn(printer))
        m_tell({Texts::tr("Obrázek nelze vytisknout").toStdString(),
                Texts::tr("Tiskárnu nebo soubor, do kterého se tiskne, se nepodařilo otevřít.").toStdString()});
    m_window.activateWindow();
}

} // namespace vlnokres
