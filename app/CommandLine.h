#pragma once

#include "core/Picture.h"
#include "core/StartChecks.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

namespace vlnokres {

// What the command line asks for, in the conventions of Linux programs: values for the boxes
// and the pace, a run as soon as the window shows, or a picture written without a window.
struct CommandLine {
    enum class Action { Window, Render, Help, Version };
    Action action = Action::Window;
    BoxReadings values; // what was given; the rest keep their start-up values
    Parameters parameters; // the values once checked, as a run takes them
    bool amplitudeGiven = false, frequencyGiven = false, phaseGiven = false;
    std::optional<int> slowdown;
    bool start = false;
    QString renderFile;
    int step = kSteps;
    double scale = picture::kDefaultScale;
};

// Why the command line cannot be used: one Czech line; usage tells whether the usage follows.
struct CommandLineError {
    QString message;
    bool showUsage = true;
};

// Numbers are read as the boxes read them, in C notation and in the locale's. The values
// go through the Start command's checks, with its texts.
std::variant<CommandLine, CommandLineError> parseCommandLine(const QStringList &arguments,
                                                             const QLocale &locale = QLocale());

QString helpText();
QString usageLine();

} // namespace vlnokres
