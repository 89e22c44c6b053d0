#include "PictureFile.h"

#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

namespace vlnokres {
namespace {

// The usual causes, by the system's error that the file reports. Its text names the error
// as the system (or the toolkit's translation) words it, which is how they are told apart.
struct Cause {
    int error;
    const char *reason; // UTF-8
};
constexpr Cause kCauses[] = {
    {EACCES, "chybí oprávnění k zápisu"},
    {EPERM, "chybí oprávnění k zápisu"},
    {EROFS, "systém souborů je jen pro čtení"},
    {ENOSPC, "disk je plný"},
    {EDQUOT, "byla překročena kvóta disku"},
    {EISDIR, "je to složka"},
    {ENOENT, "složka neexistuje"},
};

// Read where the file failed, before anything else (cancelling it) replaces its error.
QString reasonFor(const QSaveFile &file, const QString &path)
{
    const QFileInfo target(path);
    const QFileInfo folder(target.absolutePath());
    if (!folder.exists())
        return QStringLiteral("složka %1 neexistuje").arg(folder.filePath());
    if (!folder.isDir())
        return QStringLiteral("%1 není složka").arg(folder.filePath());
    const QString said = file.errorString();
    for (const Cause &cause : kCauses)
        if (said.contains(qt_error_string(cause.error), Qt::CaseInsensitive))
            return QString::fromUtf8(cause.reason);
    if (target.exists() && !target.isWritable())
        return QStringLiteral("soubor je chráněn proti zápisu");
    if (!folder.isWritable())
        return QStringLiteral("do složky %1 nelze zapisovat").arg(folder.filePath());
    return QStringLiteral("soubor nelze zapsat (%1)").arg(said);
}

} // namespace

QString cannotSaveSentence(const QString &path, const QString &reason)
{
    return QStringLiteral("Obrázek „%1“ nelze uložit: %2.").arg(path, reason);
}

QString writeWhole(const QString &path, const QByteArray &bytes)
{
    // A file saved in its stead would take the place of the folder, the device or the pipe.
    const QFileInfo target(path);
    if (target.isDir())
        return QStringLiteral("je to složka");
    if (target.exists() && !target.isFile())
        return QStringLiteral("není to obyčejný soubor");

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return reasonFor(file, path);
    if (file.write(bytes) != bytes.size()) {
        const QString reason = reasonFor(file, path);
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return reasonFor(file, path);
    return {};
}

} // namespace vlnokres
