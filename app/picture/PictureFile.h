#pragma once

#include <QByteArray>
#include <QString>

namespace vlnokres {

// Writes the file whole or not at all: nothing is left behind where it fails, and a file of
// that name that was there stays as it was. A link to a file writes the file and keeps the
// link; a folder, a device or a pipe of that name is never replaced. Returns the reason it
// failed, in the language chosen, or an empty string.
QString writeWhole(const QString &path, const QByteArray &bytes);

// Why nothing was written where a picture could not be made at all.
QString notEncoded();

// What the user is told when it failed: the picture (by default) or the sound at the path
// cannot be saved, and why.
QString cannotSaveSentence(const QString &path, const QString &reason, const QString &what = {});

} // namespace vlnokres
