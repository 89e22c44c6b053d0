#pragma once

#include "app/language/Language.h"
#include "core/Ink.h"
#include "core/ToneGenerator.h"

#include <QString>

#include <optional>

namespace vlnokres {

// How its user left the window, which it shows again the next time: the view, the sound, the
// readouts, the palette, the language and the folder pictures were saved in last. Never the values of the
// boxes, which always start as designed, and nothing that the command line gave.
struct Preferences {
    double zoom = 1;
    bool fullScreen = false;
    std::optional<sound::Voice> voice; // the sound is off
    double baseTone = sound::kDefaultBaseTone;
    bool readouts = false;
    Colours colours = Colours::Standard;
    Language language = Language::Czech;
    QString saveFolder; // none yet: the pictures folder

    bool operator==(const Preferences &) const = default;
};

// Where preferences are kept between sessions.
class PreferenceStore
{
public:
    virtual ~PreferenceStore() = default;
    virtual Preferences load() const = 0;
    virtual void save(const Preferences &preferences) = 0;
};

// The program's settings file, $XDG_CONFIG_HOME/vlnokres/vlnokres.conf. A file that is missing,
// unreadable or corrupt gives the defaults (a value that cannot be used, its own default), and
// one that cannot be written is left as it is: the user is not troubled with either. Anything
// but a regular file is left alone, as an unreadable one is.
class SettingsFile final : public PreferenceStore
{
public:
    explicit SettingsFile(QString path = standardPath()) : m_path(std::move(path)) {}
    static QString standardPath();

    Preferences load() const override;
    void save(const Preferences &preferences) override;

private:
    bool usable() const;

    QString m_path;
    mutable std::optional<Preferences> m_known; // as read or written last: what a save changes
};

// The toolkit's file dialog keeps its own state in a second file, QtProject.conf; from now on it
// keeps it nowhere, and the program remembers the folder itself.
void keepNoToolkitSettings();

} // namespace vlnokres
