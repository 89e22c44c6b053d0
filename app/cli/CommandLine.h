#pragma once

#include "app/language/Language.h"
#include "app/setup/SetUpOptions.h"
#include "core/Picture.h"
#include "core/StartChecks.h"

#include <QString>
#include <QStringList>

#include <variant>
#include <vector>

namespace vlnokres {

// What the command line asks for, in the conventions of Linux programs: a set-up for the
// window (its boxes, pace, view and sound), a run as soon as the window shows, or a picture or
// a sound written without a window.
struct CommandLine {
    enum class Action { Window, Render, RenderSound, RenderSheet, Help, Version };
    Action action = Action::Window;
    Chosen chosen;         // the set-up the options give, over the one at start-up
    QStringList given;     // the set-up's options given, which the window takes for this session
    Parameters parameters; // the values once checked, as a run takes them
    QString renderFile;
    int step = kSteps; // the last of the axis's steps where none is given
    double scale = picture::kDefaultScale;
    double duration = kDefaultDuration; // seconds of a sound file
    bool a4Page = false;                // a PDF on an A4 page, as printed
    bool start = false;
    QString lessonFile; // a lesson for the window, or the worksheet's
    int scene = 1;       // the lesson's scene shown first
    bool answers = false; // the worksheet with the sums shown

    // What a sound file holds: the voice given, or the sum.
    sound::Voice voice() const { return chosen.setUp.voice.value_or(sound::Voice::Sum); }

    static constexpr double kDefaultDuration = 4;
};

// Why the command line cannot be used: one sentence; whether the usage follows.
using CommandLineError = Unusable;

// The program's arguments as text. One whose bytes are no text in the system's encoding would
// name another file than the one meant, and is refused.
std::variant<QStringList, CommandLineError> argumentsOf(int argc, const char *const argv[]);

// Numbers mean the same under every locale, with a decimal comma or a decimal dot. The values
// go through the Start command's checks, with its texts. The toolkit's own options (-platform,
// -display, -style …) are left to the toolkit, as in every Qt program.
std::variant<CommandLine, CommandLineError> parseCommandLine(const QStringList &arguments);

// The language --language asks for, before the rest is read, so that what is said of the rest
// is in it: the last one given, as for every option; none where it is not given or not known.
std::optional<Language> languageAsked(const QStringList &arguments);

// The arguments without the toolkit's own options and their values.
QStringList withoutToolkitOptions(const QStringList &arguments);

QString helpText();
QString usageLine();

} // namespace vlnokres
