#include "Preferences.h"

#include "core/Named.h"
#include "core/Zoom.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>

namespace vlnokres {
namespace {

// No screen needs a window larger than this many times its design.
constexpr double kLargestZoom = 20;

QString yesNo(bool value) { return value ? QStringLiteral("true") : QStringLiteral("false"); }

std::optional<bool> yesNoOf(const QVariant &value)
{
    if (value.toString() == u"true")
        return true;
    if (value.toString() == u"false")
        return false;
    return std::nullopt;
}

std::optional<double> numberIn(const QVariant &value, double least, double most)
{
    bool ok = false;
    const double number = value.toString().toDouble(&ok);
    return ok && number >= least && number <= most ? std::optional(number) : std::nullopt;
}

template <typename Table>
auto named(const QVariant &value, const Table &table)
{
    return entryNamed(table, value.toString().toStdString());
}

} // namespace

QString SettingsFile::standardPath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/vlnokres/vlnokres.conf");
}

// A FIFO or a device would hang the start or swallow the settings: only a regular file (or
// none yet) is read and written.
bool SettingsFile::usable() const
{
    const QFileInfo info(m_path);
    return !m_path.isEmpty() && (!info.exists() || info.isFile());
}

Preferences SettingsFile::load() const
{
    Preferences p;
    m_known = p;
    if (!usable())
        return p;
    const QSettings file(m_path, QSettings::IniFormat);
    p.zoom = numberIn(file.value("view/zoom"), zoom::kSmallest, kLargestZoom).value_or(p.zoom);
    p.fullScreen = yesNoOf(file.value("view/fullScreen")).value_or(p.fullScreen);
    if (const auto *voice = named(file.value("sound/voice"), sound::kVoiceNames))
        p.voice = voice->voice;
    p.baseTone = numberIn(file.value("sound/baseTone"), sound::kLowestBaseTone, sound::kHighestBaseTone).value_or(p.baseTone);
    p.readouts = yesNoOf(file.value("view/readouts")).value_or(p.readouts);
    if (const auto *colours = named(file.value("view/colours"), kColoursNames))
        p.colours = colours->colours;
    if (const auto *language = named(file.value("view/language"), kLanguageNames))
        p.language = language->language;
    p.saveFolder = file.value("pictures/folder").toString();
    m_known = p;
    return p;
}

// Only what changed since the file was read or written here, so that another window with the
// same file keeps what it chose meanwhile.
void SettingsFile::save(const Preferences &p)
{
    if (!usable())
        return;
    QSettings file(m_path, QSettings::IniFormat);
    auto write = [&](auto Preferences::*member, const char *key, const QString &value) {
        if (!m_known || (*m_known).*member != p.*member)
            file.setValue(key, value);
    };
    write(&Preferences::zoom, "view/zoom", QString::number(p.zoom, 'g', 17));
    write(&Preferences::fullScreen, "view/fullScreen", yesNo(p.fullScreen));
    write(&Preferences::voice, "sound/voice", QLatin1String(p.voice ? sound::nameOf(*p.voice) : "off"));
    write(&Preferences::baseTone, "sound/baseTone", QString::number(p.baseTone, 'g', 17));
    write(&Preferences::readouts, "view/readouts", yesNo(p.readouts));
    write(&Preferences::colours, "view/colours", QLatin1String(nameOf(p.colours)));
    write(&Preferences::language, "view/language", QLatin1String(nameOf(p.language)));
    write(&Preferences::saveFolder, "pictures/folder", p.saveFolder);
    file.sync(); // a failure leaves the file as it was
    m_known = p;
}

// The toolkit's dialogs open their settings by organisation name in the user's folder; that
// folder becomes /dev/null, which holds no files, so they read nothing and write nowhere. The
// program's own file is opened by its path, which this does not touch.
void keepNoToolkitSettings()
{
    for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, QStringLiteral("/dev/null"));
}

} // namespace vlnokres
