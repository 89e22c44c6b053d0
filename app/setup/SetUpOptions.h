#pragma once

#include "SetUpModel.h"

#include <QFlags>
#include <QKeySequence>
#include <QList>
#include <QLocale>
#include <QString>

#include <functional>
#include <optional>
#include <string_view>
#include <vector>

namespace vlnokres {

// Where an option is of use: in the window, or in a file of one kind that the command line
// writes.
enum class Use { Window = 0x1, Png = 0x2, Svg = 0x4, Pdf = 0x8, Gif = 0x10, Wav = 0x20 };
Q_DECLARE_FLAGS(Uses, Use)
inline constexpr Uses kStillPictures = Uses(Use::Png) | Use::Svg | Use::Pdf;
inline constexpr Uses kPictures = kStillPictures | Use::Gif;
inline constexpr Uses kAnywhere = kPictures | Use::Window | Use::Wav;

// Why a value cannot be used: one sentence in the language chosen, and whether the usage line
// follows it (not where the command line was right and a value was not).
struct Unusable {
    QString message;
    bool showUsage = true;
};

// A choice of an option as the menu names it, and the value it stands for.
struct OptionChoice {
    const char *text; // the Czech source
    const char *value;
};

// One option of the set-up: its name on the command line (--name) and where it is of use, how
// its value is written and read (the copied command, the command line and the settings file
// all take the same text), whether it is remembered, and how the drawing area's menu offers it.
struct SetUpOption {
    const char *name;
    Aspect aspect;
    Uses uses;
    // A flag takes no value on the command line: given, it reads "true". Its value is "true"
    // or "false" everywhere else.
    bool flag = false;
    // The value in the notation given (the copied command's is the boxes'; the settings file's
    // is C's).
    std::function<QString(const Chosen &, const QLocale &)> write;
    // Takes the value as the command line gives it, in either notation; why it cannot.
    std::function<std::optional<Unusable>(Chosen &, const QString &)> read;
    // Written into the copied command always, only where it is not as at start-up, or never.
    enum class Copied { Always, WhereChanged, Never } copied = Copied::WhereChanged;
    // Remembered between sessions under this key where its user chose it; none: never.
    const char *settingsKey = nullptr;
    // Offered in the drawing area's menu: a flag as a checkable item with its keys, choices in
    // a submenu of this name. None: offered elsewhere (the boxes, the pace bar, the sound's
    // own menu, clicks on the graph) or on the command line alone.
    const char *menuText = nullptr;
    QList<QKeySequence> keys = {};
    std::vector<OptionChoice> choices = {};
};

// Every option of the set-up, in the order the copied command writes them.
const std::vector<SetUpOption> &setUpOptions();
// The option of that name; the table holds every name the program asks for.
const SetUpOption &setUpOption(std::string_view name);
// Whether the flag is set, or the choice chosen, as the set-up stands.
bool isChosen(const SetUpOption &option, const OptionChoice *choice, const Chosen &chosen);
// The value that choosing the flag's item, or the choice, gives the option.
QString valueChosen(const SetUpOption &option, const OptionChoice *choice, const Chosen &chosen);

// The command line that opens the window as the set-up stands ("vlnokres --amplitude 0,8
// --frequency 3 --phase 45 --slowdown 2"): values as the boxes write them, what is as at
// start-up left out, and only cursors that lie on the time graph; always one the program takes.
QString commandFor(const Chosen &chosen);

// Where an option is of use, as the sentence refusing it elsewhere says: "pro okno nebo s
// volbou „--render“ do souboru .wav".
QString usesText(Uses uses);
// A value given on the command line as a message quotes it, a long one cut short.
QString quotedValue(const QString &value);

} // namespace vlnokres

Q_DECLARE_OPERATORS_FOR_FLAGS(vlnokres::Uses)
