#include "PictureFile.h"

#include "app/language/Language.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

#include <cerrno>
#include <optional>

namespace vlnokres {
namespace {

// The usual causes, by the system's error that the file reports. Its text names the error
// as the system (or the toolkit's translation) words it, which is how they are told apart.
struct Cause {
    int error;
    const char *reason; // the Czech source
};
constexpr auto kNoPermission = QT_TRANSLATE_NOOP("vlnokres::Texts", "chybí oprávnění k zápisu");
constexpr auto kReadOnly = QT_TRANSLATE_NOOP("vlnokres::Texts", "systém souborů je jen pro čtení");
constexpr auto kFull = QT_TRANSLATE_NOOP("vlnokres::Texts", "disk je plný");
constexpr Cause kCauses[] = {
    {EACCES, kNoPermission},
    {EPERM, kNoPermission},
    {EROFS, kReadOnly},
    {ENOSPC, kFull},
    {EDQUOT, QT_TRANSLATE_NOOP("vlnokres::Texts", "byla překročena kvóta disku")},
    {EISDIR, QT_TRANSLATE_NOOP("vlnokres::Texts", "je to složka")},
    {ENOENT, QT_TRANSLATE_NOOP("vlnokres::Texts", "složka neexistuje")},
    {ENAMETOOLONG, QT_TRANSLATE_NOOP("vlnokres::Texts", "název je příliš dlouhý")},
    {EFBIG, QT_TRANSLATE_NOOP("vlnokres::Texts", "soubor by byl příliš velký")},
    {EIO, QT_TRANSLATE_NOOP("vlnokres::Texts", "zařízení ohlásilo chybu čtení nebo zápisu")},
};

// What the system takes: a name of at most 255 bytes, a path of at most 4095.
constexpr qsizetype kLongestName = 255;
constexpr qsizetype kLongestPath = 4095;

// A name or a path too long for the system, which would otherwise be taken for a folder that
// does not exist.
std::optional<QString> tooLong(const QString &path)
{
    if (QFile::encodeName(path).size() > kLongestPath)
        return Texts::tr("cesta je příliš dlouhá");
    for (const QString &part : path.split(u'/'))
        if (QFile::encodeName(part).size() > kLongestName)
            return Texts::tr("název je příliš dlouhý");
    return std::nullopt;
}

// Asked where the file failed, before anything else (cancelling it) replaces its error. A
// file that fails as it is closed reports no error of its own, so the disk is asked too.
QString reasonFor(const QSaveFile &file, const QString &path, qint64 size)
{
    if (const auto reason = tooLong(path))
        return *reason;
    const QFileInfo target(path);
    const QFileInfo folder(target.absolutePath());
    if (!folder.exists())
        return Texts::tr("složka %1 neexistuje").arg(folder.filePath());
    if (!folder.isDir())
        return Texts::tr("%1 není složka").arg(folder.filePath());
    const QStorageInfo disk(folder.filePath());
    if (disk.isValid() && disk.isReadOnly())
        return Texts::tr(kReadOnly);
    if (disk.isValid() && disk.bytesAvailable() < size)
        return Texts::tr(kFull);
    const QString said = file.errorString();
    for (const Cause &cause : kCauses)
        if (said.contains(qt_error_string(cause.error), Qt::CaseInsensitive))
            return Texts::tr(cause.reason);
    if (target.exists() && !target.isWritable())
        return Texts::tr("soubor je chráněn proti zápisu");
    if (!folder.isWritable())
        return Texts::tr("do složky %1 nelze zapisovat").arg(folder.filePath());
    // The system says the rest in English: words of another language in the sentence would
    // tell a Czech user less than none.
    if (language() != Language::English)
        return Texts::tr("soubor nelze zapsat");
    return Texts::tr("soubor nelze zapsat (%1)").arg(said);
}

} // namespace

QString notEncoded() { return Texts::tr("obrázek se nepodařilo sestavit"); }

QString cannotSaveSentence(const QString &path, const QString &reason, const QString &what)
{
    return Texts::tr("%1 „%2“ nelze uložit: %3.").arg(what.isEmpty() ? Texts::tr("Obrázek") : what, path, reason);
}

QString writeWhole(const QString &path, const QByteArray &bytes)
{
    // A file saved in its stead would take the place of the folder, the device or the pipe.
    const QFileInfo target(path);
    if (target.isDir())
        return Texts::tr("je to složka");
    if (target.exists() && !target.isFile())
        return Texts::tr("není to obyčejný soubor");

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return reasonFor(file, path, bytes.size());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = reasonFor(file, path, bytes.size());
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return reasonFor(file, path, bytes.size());
    return {};
}

} // namespace vlnokres
