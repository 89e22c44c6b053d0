#include "Preferences.h"

#include "app/setup/SetUpOptions.h"
#include "core/Zoom.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <cmath>

namespace vlnokres {
namespace {

// No screen needs a window larger than this many times its design.
constexpr double kLargestZoom = 20;
// The program writes a few hundred bytes; a file larger than this is not its, and reading
// one of gigabytes would stall the start.
constexpr qint64 kLargestFile = 1 << 20;

QString yesNo(bool value) { return value ? QStringLiteral("true") : QStringLiteral("false"); }

} // namespace

QString SettingsFile::standardPath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/vlnokres/vlnokres.conf");
}

// A FIFO or a device would hang the start or swallow the settings: only a regular file (or
// none yet) of a size the program writes is read and written.
bool SettingsFile::usable() const
{
    const QFileInfo info(m_path);
    return !m_path.isEmpty() && (!info.exists() || (info.isFile() && info.size() <= kLargestFile));
}

Preferences SettingsFile::load() const
{
    Preferences p;
    if (!usable())
        return p;
    const QSettings file(m_path, QSettings::IniFormat);
    bool ok = false;
    const double zoom = file.value(preferenceKeys::kZoom).toString().toDouble(&ok);
    if (ok && zoom >= zoom::kSmallest && zoom <= kLargestZoom)
        p.zoom = zoom;
    const QString fullScreen = file.value(preferenceKeys::kFullScreen).toString();
    if (fullScreen == yesNo(true) || fullScreen == yesNo(false))
        p.fullScreen = fullScreen == yesNo(true);
    // A value that cannot be used leaves its option as it starts.
    for (const SetUpOption &option : setUpOptions())
        if (option.settingsKey && file.contains(QLatin1String(option.settingsKey)))
            option.read(p.chosen, file.value(QLatin1String(option.settingsKey)).toString());
    p.saveFolder = file.value(preferenceKeys::kSaveFolder).toString();
    p.recentLessons = file.value(preferenceKeys::kRecentLessons).toStringList().mid(0, 5);
    return p;
}

void SettingsFile::save(const Preferences &p, const QStringList &keys)
{
    if (!usable())
        return;
    QSettings file(m_path, QSettings::IniFormat);
    for (const QString &key : keys) {
        if (key == QLatin1String(preferenceKeys::kZoom))
            file.setValue(key, QString::number(p.zoom, 'g', 17));
        else if (key == QLatin1String(preferenceKeys::kFullScreen))
            file.setValue(key, yesNo(p.fullScreen));
        else if (key == QLatin1String(preferenceKeys::kSaveFolder))
            file.setValue(key, p.saveFolder);
        else if (key == QLatin1String(preferenceKeys::kRecentLessons))
            file.setValue(key, p.recentLessons);
        for (const SetUpOption &option : setUpOptions())
            if (option.settingsKey && key == QLatin1String(option.settingsKey))
                file.setValue(key, option.write(p.chosen, QLocale::c()));
    }
    file.sync(); // a failure leaves the file as it was
}

ChoicesRemembered::ChoicesRemembered(const SetUpModel &setUp, std::unique_ptr<PreferenceStore> store)
    : m_store(std::move(store)), m_kept(m_store->load())
{
    connect(&setUp, &SetUpModel::changed, this, [this, &setUp](Aspects aspects, Origin origin) {
        if (origin != Origin::User)
            return;
        QStringList keys;
        for (const SetUpOption &option : setUpOptions()) {
            if (!option.settingsKey || !(aspects & option.aspect))
                continue;
            option.read(m_kept.chosen, option.write(setUp.chosen(), QLocale::c()));
            keys << QLatin1String(option.settingsKey);
        }
        if (!keys.isEmpty())
            m_store->save(m_kept, keys);
    });
}

void ChoicesRemembered::keepPlace(double zoom, bool fullScreen, const QString &saveFolder)
{
    m_kept.zoom = zoom;
    m_kept.fullScreen = fullScreen;
    m_kept.saveFolder = saveFolder;
    m_store->save(m_kept, {QLatin1String(preferenceKeys::kZoom), QLatin1String(preferenceKeys::kFullScreen),
                           QLatin1String(preferenceKeys::kSaveFolder)});
}

void ChoicesRemembered::keepRecentLessons(const QStringList &paths)
{
    m_kept.recentLessons = paths;
    m_store->save(m_kept, {QLatin1String(preferenceKeys::kRecentLessons)});
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
