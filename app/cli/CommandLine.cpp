#include "CommandLine.h"

#include "app/picture/AnimationGif.h"
#include "app/language/Language.h"
#include "app/picture/PictureExport.h"
#include "app/window/NumberText.h"
#include "core/LessonMarks.h"
#include "core/Named.h"
#include "core/Pace.h"
#include "core/Presets.h"
#include "core/StartUpValues.h"
#include "core/StepOperations.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <cmath>

namespace vlnokres {
namespace {

constexpr double kSmallestScale = 0.25;
constexpr double kLargestScale = 8;
constexpr double kLargestAnimationScale = 2;
constexpr double kShortestDuration = 0.1;
constexpr double kLongestDuration = 60;

bool isSoundFile(const QString &fileName) { return QFileInfo(fileName).suffix().toLower() == u"wav"; }

// The toolkit's own options, which it reads itself when the application is made: with one
// dash or two, those in the first list followed by a value (or joined to it by "=").
constexpr const char *kToolkitOptionsWithValue[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon",
    "qwindowtitle", "session", "display", "geometry", "style", "stylesheet", "qmljsdebugger", "name",
    "title", "visual", "ncols", "cmap", "fn", "font", "bg", "background", "fg", "foreground", "btn", "button"};
constexpr const char *kToolkitFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};
// Our options that take no value.
constexpr const char *kFlags[] = {"start", "values", "hide-sum", "labels", "h", "help", "v", "version"};

// "--name=value" or "-name" as name, value and whether a value was joined to it.
struct Option {
    QString name;
    bool joinedValue = false;
};

std::optional<Option> optionOf(const QString &argument)
{
    if (!argument.startsWith(u'-') || argument == u"-" || argument == u"--")
        return std::nullopt;
    QString name = argument.mid(argument.startsWith(QStringLiteral("--")) ? 2 : 1);
    const qsizetype equals = name.indexOf(u'=');
    Option option{equals < 0 ? name : name.left(equals), equals >= 0};
    return option;
}

template <std::size_t N>
bool among(const QString &name, const char *const (&names)[N])
{
    for (const char *n : names)
        if (name == QLatin1String(n))
            return true;
    return false;
}

QString quoted(const QString &text) { return Texts::tr("„%1“").arg(text); }

// A limit as the messages write it, in the notation of their language.
QString number(double value) { return writeNumber(value, textLocale()); }

// "Základní tón musí být číslo od 55 do 1760 (Hz)." from the limits that are checked.
enum class Kind { Whole, Any };
CommandLineError outOfRange(const char *what, Kind kind, double least, double most, const char *unit = nullptr)
{
    return {Texts::tr("%1 musí být %2 od %3 do %4%5.")
                .arg(Texts::tr(what), kind == Kind::Whole ? Texts::tr("celé číslo") : Texts::tr("číslo"),
                     number(least), number(most), unit ? QStringLiteral(" (%1)").arg(Texts::tr(unit)) : QString())};
}

// QCommandLineParser says what went wrong in English; say it again in Czech, from the
// arguments themselves.
CommandLineError parseError(const QCommandLineParser &parser, const QStringList &arguments)
{
    if (!parser.unknownOptionNames().isEmpty()) {
        const QString name = parser.unknownOptionNames().first();
        return {Texts::tr("Neznámá volba %1.").arg(quoted(QString(name.size() > 1 ? QStringLiteral("--") : QStringLiteral("-")) + name))};
    }
    for (const QString &argument : arguments) {
        const auto option = optionOf(argument);
        if (option && option->joinedValue && among(option->name, kFlags))
            return {Texts::tr("Volba %1 nemá hodnotu.").arg(quoted(argument.section(u'=', 0, 0)))};
    }
    const QString last = arguments.isEmpty() ? QString() : arguments.last();
    if (last.startsWith(u'-'))
        return {Texts::tr("Volbě %1 chybí hodnota.").arg(quoted(last))};
    return {Texts::tr("Příkazový řádek nelze použít.")};
}

std::optional<int> wholeNumberIn(const std::optional<double> &value, int least, int most)
{
    if (!value || *value != std::floor(*value) || *value < least || *value > most)
        return std::nullopt;
    return int(*value);
}

// "0,62:0,87" as times on the graph, each read as the readouts write them, to hundredths.
std::optional<std::vector<double>> cursorTimes(const QString &text, TimeAxis axis)
{
    const QStringList parts = text.split(u':');
    if (parts.size() > 2)
        return std::nullopt;
    std::vector<double> times;
    for (const QString &part : parts) {
        const auto time = readPlainNumber(part);
        if (!time || !(*time >= 0 && *time <= marks::spanInPeriods(axis)))
            return std::nullopt;
        times.push_back(std::round(*time * 100) / 100);
    }
    return times;
}

std::optional<Language> languageNamed(const QString &name)
{
    const LanguageName *named = entryNamed(kLanguageNames, name.toStdString());
    return named ? std::optional(named->language) : std::nullopt;
}

} // namespace

std::optional<Language> languageAsked(const QStringList &arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const auto option = optionOf(arguments[i]);
        if (!option || option->name != u"language")
            continue;
        if (option->joinedValue)
            return languageNamed(arguments[i].section(u'=', 1));
        if (i + 1 < arguments.size())
            return languageNamed(arguments[i + 1]);
    }
    return std::nullopt;
}

QStringList withoutToolkitOptions(const QStringList &arguments)
{
    QStringList ours;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const auto option = i > 0 ? optionOf(arguments[i]) : std::nullopt;
        if (option && among(option->name, kToolkitFlags) && !option->joinedValue)
            continue;
        if (option && among(option->name, kToolkitOptionsWithValue)) {
            if (!option->joinedValue)
                ++i; // its value
            continue;
        }
        ours << arguments[i];
    }
    return ours;
}

QString usageLine() { return Texts::tr("Použití: vlnokres [volby]; nápověda: vlnokres --help"); }

QString helpText()
{
    return Texts::tr(
        "Použití: vlnokres [volby]\n"
        "Součet dvou sinusovek: názorně ukazuje, jak se sčítají dvě sinusovky.\n"
        "\n"
        "Volby:\n"
        "  --amplitude A     amplituda druhé sinusovky vůči první (nejvýš %1)\n"
        "  --frequency F     kmitočet druhé sinusovky vůči první\n"
        "  --phase STUPNĚ    fázový posun druhé sinusovky ve stupních\n"
        "  --slowdown S      zpomalení animace, celé číslo od %2 do %3\n"
        "  --start           spustí animaci, jakmile se okno ukáže\n"
        "  --render SOUBOR   neotevře okno: nakreslí celou animaci naráz a uloží obrázek;\n"
        "                    formát podle přípony: .png, .svg nebo .pdf; .gif zapíše celý\n"
        "                    běh jako animaci GIF ve skutečném čase podle zpomalení\n"
        "  --step N          s --render: obrázek, jak vypadá po N-tém kroku (1 až %4,\n"
        "                    s delší časovou osou až počet jejích kroků; jinak po posledním)\n"
        "  --periods N       časová osa: 2 periody první sinusoidy (výchozí), 20 nebo 100;\n"
        "                    v okně i v obrázcích\n"
        "  --scale K         s --render do PNG nebo GIF: pixelů obrázku na pixel okna\n"
        "                    (výchozí %5, pro GIF %6 a nejvýš %7)\n"
        "  --colours BARVY   standard (výchozí), colour-blind (první sinusoida modře, druhá\n"
        "                    rumělkově, pro barvoslepé) nebo print (pro tisk a projektor:\n"
        "                    bílé pozadí, druhá čárkovaně, součet silněji); v okně i v obrázcích\n"
        "  --sound HLAS      zvuk v okně: off (výchozí), first, second, sum nebo stereo\n"
        "                    (první sinusoida, druhá, součet, obě: první vlevo, druhá vpravo)\n"
        "  --tone HZ         základní tón první sinusoidy, %8 až %9 Hz (výchozí %10)\n"
        "  --render SOUBOR.wav  zapíše zvuk (hlas podle --sound, jinak součet) do souboru WAV\n"
        "  --duration S      s --render do WAV: délka zvuku v sekundách, %11 až %12 (výchozí %13)\n"
        "  --values          hodnoty součtu a obálka v okně i v obrázku\n"
        "  --hide-sum        skryje součet (jeho stopu, výslednici, hodnoty), aby jej třída\n"
        "                    nejdřív předpověděla; v okně i v obrázku\n"
        "  --labels          popisky: výslednice, legenda, osy t a y s periodami T₁\n"
        "  --cursors A[:B]   kurzory na časové ose v periodách první sinusoidy (0,62:0,87)\n"
        "  --page a4         s --render do PDF: obrázek na stránce A4 naležato, jako při tisku\n"
        "  --language JAZYK  cs (čeština, výchozí) nebo en (angličtina), jen pro toto spuštění\n"
        "  --preset JMÉNO    hodnoty a časová osa příkladu: stejna-faze, opacna-faze,\n"
        "                    ctvrt-periody, zazneje, zazneje-slysitelne, druha-harmonicka,\n"
        "                    obdelnik (volby hodnot a osy mají přednost)\n"
        "  -h, --help        vypíše tuto nápovědu\n"
        "  -v, --version     vypíše verzi programu\n"
        "\n"
        "Čísla lze psát s desetinnou čárkou i tečkou, v každém jazykovém prostředí stejně,\n"
        "bez oddělovačů tisíců. Program přijímá i obvyklé volby knihovny Qt (-platform,\n"
        "-display, -style a další).\n"
        "Návratové hodnoty: 0 v pořádku, 1 obrázek nebo zvuk nelze zapsat nebo chybí grafické\n"
        "prostředí,\n"
        "2 chybný příkazový řádek nebo hodnota.\n")
        .arg(number(kAmplitudeLimit), number(kFastest), number(kSlowest), number(kSteps), number(picture::kDefaultScale),
             number(kAnimationScale), number(kLargestAnimationScale), number(sound::kLowestBaseTone),
             number(sound::kHighestBaseTone))
        .arg(number(sound::kDefaultBaseTone), number(kShortestDuration), number(kLongestDuration),
             number(CommandLine::kDefaultDuration));
}

std::variant<CommandLine, CommandLineError> parseCommandLine(const QStringList &allArguments)
{
    const QStringList arguments = withoutToolkitOptions(allArguments);
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption amplitude(QStringLiteral("amplitude"), {}, QStringLiteral("A"));
    const QCommandLineOption frequency(QStringLiteral("frequency"), {}, QStringLiteral("F"));
    const QCommandLineOption phase(QStringLiteral("phase"), {}, QStringLiteral("DEG"));
    const QCommandLineOption slowdown(QStringLiteral("slowdown"), {}, QStringLiteral("S"));
    const QCommandLineOption start(QStringLiteral("start"));
    const QCommandLineOption render(QStringLiteral("render"), {}, QStringLiteral("FILE"));
    const QCommandLineOption step(QStringLiteral("step"), {}, QStringLiteral("N"));
    const QCommandLineOption scale(QStringLiteral("scale"), {}, QStringLiteral("K"));
    const QCommandLineOption voice(QStringLiteral("sound"), {}, QStringLiteral("VOICE"));
    const QCommandLineOption example(QStringLiteral("preset"), {}, QStringLiteral("NAME"));
    const QCommandLineOption withReadouts(QStringLiteral("values"));
    const QCommandLineOption tone(QStringLiteral("tone"), {}, QStringLiteral("HZ"));
    const QCommandLineOption duration(QStringLiteral("duration"), {}, QStringLiteral("SECONDS"));
    const QCommandLineOption colours(QStringLiteral("colours"), {}, QStringLiteral("PALETTE"));
    const QCommandLineOption periods(QStringLiteral("periods"), {}, QStringLiteral("N"));
    const QCommandLineOption hideSum(QStringLiteral("hide-sum"));
    const QCommandLineOption labels(QStringLiteral("labels"));
    const QCommandLineOption cursors(QStringLiteral("cursors"), {}, QStringLiteral("TIMES"));
    const QCommandLineOption page(QStringLiteral("page"), {}, QStringLiteral("SIZE"));
    const QCommandLineOption language(QStringLiteral("language"), {}, QStringLiteral("LANGUAGE"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOptions({amplitude, frequency, phase, slowdown, start, render, step, scale, voice, tone, duration, example,
                       withReadouts, colours, periods, hideSum, labels, cursors, page, language, help, version});
    if (!parser.parse(arguments))
        return parseError(parser, arguments.mid(1));
    if (!parser.positionalArguments().isEmpty())
        return CommandLineError{Texts::tr("Nečekaný argument %1.").arg(quoted(parser.positionalArguments().first()))};

    CommandLine line;
    if (parser.isSet(language)) {
        const auto asked = languageNamed(parser.value(language));
        if (!asked)
            return CommandLineError{Texts::tr("Jazyk %1 neznám: volba „--language“ bere cs nebo en.").arg(quoted(parser.value(language)))};
        line.window.language = *asked;
    }
    if (parser.isSet(help)) {
        line.action = CommandLine::Action::Help;
        return line;
    }
    if (parser.isSet(version)) {
        line.action = CommandLine::Action::Version;
        return line;
    }
    auto read = [&](const QCommandLineOption &option) { return readPlainNumber(parser.value(option)); };
    const Preset *preset = nullptr;
    if (parser.isSet(example) && !(preset = presetNamed(parser.value(example).toStdString()))) {
        QStringList names;
        for (const Preset &p : kPresets)
            names << QString::fromLatin1(p.name);
        return CommandLineError{Texts::tr("Příklad %1 neznám; příklady jsou: %2.")
                                    .arg(quoted(parser.value(example)), names.join(QStringLiteral(", ")))};
    }
    // A value given but not a number stays nullopt here, and the checks below refuse it. One
    // given explicitly wins over the example's.
    auto valueOf = [&](const QCommandLineOption &option, double Preset::*ofPreset, double atStartUp) {
        if (parser.isSet(option))
            return read(option);
        return std::optional(preset ? preset->*ofPreset : atStartUp);
    };
    const BoxReadings values{valueOf(amplitude, &Preset::amplitude, startup::kAmplitude),
                             valueOf(frequency, &Preset::frequency, startup::kFrequency),
                             valueOf(phase, &Preset::phaseDegrees, startup::kPhaseDegrees)};
    if (parser.isSet(slowdown)) {
        line.window.slowdown = wholeNumberIn(read(slowdown), kFastest, kSlowest);
        if (!line.window.slowdown)
            return outOfRange(QT_TRANSLATE_NOOP("vlnokres::Texts", "Zpomalení"), Kind::Whole, kFastest, kSlowest);
    }
    line.window.start = parser.isSet(start);
    line.window.readouts = line.readouts = parser.isSet(withReadouts);
    line.window.hideSum = line.sumHidden = parser.isSet(hideSum);
    line.window.labels = line.labels = parser.isSet(labels);
    if (parser.isSet(render)) {
        line.renderFile = parser.value(render);
        line.action = isSoundFile(line.renderFile) ? CommandLine::Action::RenderSound : CommandLine::Action::Render;
        if (line.action == CommandLine::Action::Render && !pictureFormatOf(line.renderFile) &&
            !isAnimationFile(line.renderFile))
            return CommandLineError{
                Texts::tr("Soubor %1 nemá příponu .png, .svg, .pdf, .gif ani .wav.").arg(quoted(line.renderFile))};
        if (isAnimationFile(line.renderFile)) {
            if (parser.isSet(step))
                return CommandLineError{Texts::tr("Animace GIF ukazuje celý běh; volba „--step“ platí jen pro obrázek.")};
            line.scale = kAnimationScale;
        }
    }
    if (parser.isSet(colours)) {
        const ColoursName *named = entryNamed(kColoursNames, parser.value(colours).toStdString());
        if (!named)
            return CommandLineError{Texts::tr("Barvy %1 neznám: volba „--colours“ bere standard, colour-blind nebo print.")
                                        .arg(quoted(parser.value(colours)))};
        line.colours = named->colours;
        line.window.colours = named->colours;
    }
    // Options that only the window, or only a file of one kind, reads: given elsewhere they
    // would do nothing, so they are refused as misplaced.
    using Action = CommandLine::Action;
    struct Belonging {
        const QCommandLineOption *option;
        Action action;
        bool window; // read by the window too
        const char *where; // UTF-8
    };
    const Belonging belonging[] = {
        {&step, Action::Render, false, QT_TRANSLATE_NOOP("vlnokres::Texts", "spolu s volbou „--render“ do obrázku")},
        {&scale, Action::Render, false, QT_TRANSLATE_NOOP("vlnokres::Texts", "spolu s volbou „--render“ do obrázku")},
        {&duration, Action::RenderSound, false, QT_TRANSLATE_NOOP("vlnokres::Texts", "spolu s volbou „--render“ do souboru .wav")},
        {&voice, Action::RenderSound, true, QT_TRANSLATE_NOOP("vlnokres::Texts", "pro okno nebo s volbou „--render“ do souboru .wav")},
        {&tone, Action::RenderSound, true, QT_TRANSLATE_NOOP("vlnokres::Texts", "pro okno nebo s volbou „--render“ do souboru .wav")},
        {&start, Action::Window, true, QT_TRANSLATE_NOOP("vlnokres::Texts", "pro okno, ne s volbou „--render“")},
        {&periods, Action::Render, true, QT_TRANSLATE_NOOP("vlnokres::Texts", "pro okno nebo s volbou „--render“ do obrázku")},
        {&hideSum, Action::Render, true, QT_TRANSLATE_NOOP("vlnokres::Texts", "pro okno nebo s volbou „--render“ do obrázku")},
        {&labels, Action::Render, true, QT_TRANSLATE_NOOP("vlnokres::Texts", "pro okno nebo s volbou „--render“ do obrázku")},
        {&cursors, Action::Render, true, QT_TRANSLATE_NOOP("vlnokres::Texts", "pro okno nebo s volbou „--render“ do obrázku")},
        {&page, Action::Render, false, QT_TRANSLATE_NOOP("vlnokres::Texts", "spolu s volbou „--render“ do souboru .pdf")},
    };
    for (const Belonging &b : belonging)
        if (parser.isSet(*b.option) && line.action != b.action && !(b.window && line.action == Action::Window))
            return CommandLineError{Texts::tr("Volba %1 platí jen %2.")
                                        .arg(quoted(QStringLiteral("--") + b.option->names().first()),
                                             Texts::tr(b.where))};
    if (parser.isSet(voice)) {
        const sound::VoiceName *named = entryNamed(sound::kVoiceNames, parser.value(voice).toStdString());
        if (!named)
            return CommandLineError{Texts::tr("Hlas %1 neznám: volba „--sound“ bere off, first, second, sum nebo stereo.")
                                        .arg(quoted(parser.value(voice)))};
        if (!named->voice && line.action == CommandLine::Action::RenderSound)
            return CommandLineError{Texts::tr("Se zvukem vypnutým („--sound off“) nelze zapsat soubor .wav.")};
        line.window.sound = named->voice;
        line.voice = named->voice.value_or(sound::Voice::Sum);
    }
    if (parser.isSet(tone)) {
        const auto hertz = read(tone);
        if (!hertz || *hertz < sound::kLowestBaseTone || *hertz > sound::kHighestBaseTone)
            return outOfRange(QT_TRANSLATE_NOOP("vlnokres::Texts", "Základní tón"), Kind::Any, sound::kLowestBaseTone, sound::kHighestBaseTone, "Hz");
        line.baseTone = *hertz;
        line.window.baseTone = hertz;
    }
    if (parser.isSet(duration)) {
        const auto seconds = read(duration);
        if (!seconds || *seconds < kShortestDuration || *seconds > kLongestDuration)
            return outOfRange(QT_TRANSLATE_NOOP("vlnokres::Texts", "Délka zvuku"), Kind::Any, kShortestDuration, kLongestDuration, QT_TRANSLATE_NOOP("vlnokres::Texts", "sekund"));
        line.duration = *seconds;
    }
    if (preset)
        line.axis = {preset->periods};
    if (parser.isSet(periods)) {
        const auto n = wholeNumberIn(read(periods), 1, 100);
        if (!n || !isOfferedAxis(*n))
            return CommandLineError{Texts::tr("Časovou osu %1 neznám: volba „--periods“ bere 2, 20 nebo 100.")
                                        .arg(quoted(parser.value(periods)))};
        line.axis = {*n};
    }
    if (parser.isSet(periods) || preset)
        line.window.periods = line.axis.periods;
    if (parser.isSet(page)) {
        if (parser.value(page).toLower() != u"a4")
            return CommandLineError{Texts::tr("Stránku %1 neznám: volba „--page“ bere a4.").arg(quoted(parser.value(page)))};
        if (pictureFormatOf(line.renderFile) != PictureFormat::Pdf)
            return CommandLineError{Texts::tr("Volba „--page“ platí jen spolu s volbou „--render“ do souboru .pdf.")};
        line.a4Page = true;
    }
    if (parser.isSet(cursors)) {
        const auto times = cursorTimes(parser.value(cursors), line.axis);
        if (!times)
            return CommandLineError{Texts::tr("Kurzory %1 nelze použít: volba „--cursors“ bere jeden nebo dva časy "
                                              "od 0 do %2 period první sinusoidy, oddělené dvojtečkou (0,62:0,87).")
                                        .arg(quoted(parser.value(cursors)), number(std::floor(marks::spanInPeriods(line.axis) * 100) / 100))};
        line.cursors = line.window.cursors = *times;
    }
    line.step = line.axis.steps();
    if (parser.isSet(step)) {
        const auto n = wholeNumberIn(read(step), 1, line.axis.steps());
        if (!n)
            return outOfRange(QT_TRANSLATE_NOOP("vlnokres::Texts", "Krok"), Kind::Whole, 1, line.axis.steps());
        line.step = *n;
    }
    if (parser.isSet(scale)) {
        const auto k = read(scale);
        if (!k || *k < kSmallestScale || *k > kLargestScale)
            return outOfRange(QT_TRANSLATE_NOOP("vlnokres::Texts", "Měřítko"), Kind::Any, kSmallestScale, kLargestScale);
        // Every frame of an animation is a whole picture; at 8 a slow run takes minutes.
        if (isAnimationFile(line.renderFile) && *k > kLargestAnimationScale)
            return outOfRange(QT_TRANSLATE_NOOP("vlnokres::Texts", "Měřítko animace GIF"), Kind::Any, kSmallestScale, kLargestAnimationScale);
        line.scale = *k;
    }
    // The Start command's own checks and texts, and no usage after them: the command line
    // was right, a value was not.
    const auto checked = checkParameters(values);
    if (const auto *refusal = std::get_if<Refusal>(&checked))
        return CommandLineError{Texts::tr(messageFor(*refusal).text.c_str()), false};
    line.parameters = std::get<Parameters>(checked);
    if (parser.isSet(amplitude) || preset)
        line.window.amplitude = values.amplitude;
    if (parser.isSet(frequency) || preset)
        line.window.frequency = values.frequency;
    if (parser.isSet(phase) || preset)
        line.window.phaseDegrees = values.phaseDegrees;
    return line;
}

} // namespace vlnokres
