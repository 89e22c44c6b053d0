#pragma once

#include <QByteArray>
#include <QString>

namespace vlnokres {

// Writes the file whole or not at all: nothing is left behind where it fails, and a file of
// that name that was there stays as it was. A link to a file writes the file and keeps the
// link; a folder, a device or a pipe of that name is never replaced. Returns the reason it
// failed, in Czech, or an empty string.
QString writeWhole(const QString &path, const QByteArray &bytes);

// What the user is told when it failed: the picture ("Obrázek") or the sound ("Zvuk") at the
// path cannot be saved, and why.
// Why nothing was written where a picture could not be made at all.
inline const QString kNotEncoded = QStringLiteral("obrázek se nepodařilo sestavit");

QString cannotSaveSentence(const QString &path, const QString &reason, const QString &what = QStringLiteral("Obrázek"));

} // namespace vlnokres
