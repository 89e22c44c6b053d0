#pragma once

#include "app/language/Language.h"
#include "app/window/WindowOptions.h"
#include "core/Picture.h"
#include "core/StartChecks.h"

#include <QString>
#include <QStringList>

#include <variant>
#include <vector>

namespace vlnokres {

// What the command line asks for, in the conventions of Linux programs: values for the boxes
// and the pace, a run as soon as the window shows, or a picture written without a window.
struct CommandLine {
    enum class Action { Window, Render, RenderSound, Help, Version };
    Action action = Action::Window;
    WindowOptions window;  // what was given for the window
    Parameters parameters; // the values once checked, as a run takes them
    QString renderFile;
    TimeAxis axis;
    int step = kSteps; // the last of the axis's steps where none is given
    double scale = picture::kDefaultScale;
    sound::Voice voice = sound::Voice::Sum; // what a sound file holds
    double baseTone = sound::kDefaultBaseTone;
    double duration = kDefaultDuration;     // seconds of a sound file
    bool readouts = false;                  // the readouts and the envelope in a picture
    Colours colours = Colours::Standard;    // of a picture
    bool sumHidden = false;                 // in a picture
    bool labels = false;
    std::vector<double> cursors;            // in periods of the first wave
    bool a4Page = false;                    // a PDF on an A4 page, as printed

    static constexpr double kDefaultDuration = 4;
};

// Why the command line cannot be used: one Czech line; usage tells whether the usage follows.
struct CommandLineError {
    QString message;
    bool showUsage = true;
};

// Numbers mean the same under every locale, with a decimal comma or a decimal dot. The values
// go through the Start command's checks, with its texts. The toolkit's own options (-platform,
// -display, -style …) are left to the toolkit, as in every Qt program.
std::variant<CommandLine, CommandLineError> parseCommandLine(const QStringList &arguments);

// The language --language asks for, before the rest is read, so that what is said of the rest
// is in it; none where it is not given or not known.
std::optional<Language> languageAsked(const QStringList &arguments);

// The arguments without the toolkit's own options and their values.
QStringList withoutToolkitOptions(const QStringList &arguments);

QString helpText();
QString usageLine();

} // namespace vlnokres
