#pragma once

#include "app/setup/SetUpModel.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace vlnokres {

// How its user left the window, which it shows again the next time: its zoom and whether it was
// full screen, the folder pictures were saved in last, and the choices of the set-up that are
// remembered (those with a settings key: the voice and the base tone, the readouts, the
// palette, the language). Never the values of the boxes, which always start as designed, and
// nothing that the command line or a lesson gave.
struct Preferences {
    double zoom = 1;
    bool fullScreen = false;
    Chosen chosen; // only its remembered parts are kept
    QString saveFolder; // none yet: the pictures folder
    QStringList recentLessons; // the lessons opened or saved last, the latest first

    bool operator==(const Preferences &) const = default;
};

// The keys of the window's own preferences, beside the set-up's options'.
namespace preferenceKeys {
inline constexpr auto kZoom = "view/zoom";
inline constexpr auto kFullScreen = "view/fullScreen";
inline constexpr auto kSaveFolder = "pictures/folder";
inline constexpr auto kRecentLessons = "lessons/recent";
} // namespace preferenceKeys

// Where preferences are kept between sessions.
class PreferenceStore
{
public:
    virtual ~PreferenceStore() = default;
    virtual Preferences load() const = 0;
    // Writes what the keys name as it stands in the preferences, whether or not the store holds
    // it already; the rest is left as the store holds it, another window's choices among it.
    virtual void save(const Preferences &preferences, const QStringList &keys) = 0;
};

// The program's settings file, $XDG_CONFIG_HOME/vlnokres/vlnokres.conf. A file that is missing,
// unreadable, corrupt or larger than any the program writes gives the defaults (a value that
// cannot be used, its own default), and one that cannot be written is left as it is: the user
// is troubled with neither. Anything but a regular file is left alone, as an unreadable one is.
class SettingsFile final : public PreferenceStore
{
public:
    explicit SettingsFile(QString path = standardPath()) : m_path(std::move(path)) {}
    static QString standardPath();

    Preferences load() const override;
    void save(const Preferences &preferences, const QStringList &keys) override;

private:
    bool usable() const;

    QString m_path;
};

// Writes down what its user chooses of what is remembered, as each choice is made; and where
// the window was left, when it closes.
class ChoicesRemembered final : public QObject
{
    Q_OBJECT

public:
    ChoicesRemembered(const SetUpModel &setUp, std::unique_ptr<PreferenceStore> store);

    // As loaded at the start.
    const Preferences &kept() const { return m_kept; }
    void keepPlace(double zoom, bool fullScreen, const QString &saveFolder);
    void keepRecentLessons(const QStringList &paths);

private:
    std::unique_ptr<PreferenceStore> m_store;
    Preferences m_kept; // as the store holds it, as far as this window knows
};

// The toolkit's file dialog keeps its own state in a second file, QtProject.conf; from now on it
// keeps it nowhere, and the program remembers the folder itself.
void keepNoToolkitSettings();

} // namespace vlnokres
