#include "CommandLine.h"

#include "app/lesson/Lesson.h"

#include "app/picture/AnimationGif.h"
#include "app/language/Language.h"
#include "app/language/NumberText.h"
#include "app/picture/PictureExport.h"
#include "core/Named.h"
#include "core/Pace.h"
#include "core/Presets.h"
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

// The toolkit's own options, which it reads itself when the application is made: with one
// dash or two, those in the first list followed by a value (or joined to it by "=").
constexpr const char *kToolkitOptionsWithValue[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon",
    "qwindowtitle", "session", "display", "geometry", "style", "stylesheet", "qmljsdebugger", "name",
    "title", "visual", "ncols", "cmap", "fn", "font", "bg", "background", "fg", "foreground", "btn", "button"};
constexpr const char *kToolkitFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

// The options that are not the set-up's: what to do with it, and where each is of use.
struct ActionOption {
    const char *name;
    const char *valueName; // none: a flag
    Uses uses;
};
constexpr ActionOption kActionOptions[] = {
    {"start", nullptr, Use::Window},
    {"render", "FILE", kAnywhere},
    {"step", "N", kStillPictures},
    {"scale", "K", Uses(Use::Png) | Use::Gif},
    {"duration", "SECONDS", Use::Wav},
    {"page", "SIZE", Use::Pdf},
    {"preset", "NAME", kAnywhere},
    {"scene", "N", Use::Window},
    {"answers", nullptr, Use::Pdf},
};

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

bool isFlag(const QString &name)
{
    for (const SetUpOption &option : setUpOptions())
        if (option.flag && name == QLatin1String(option.name))
            return true;
    for (const ActionOption &option : kActionOptions)
        if (!option.valueName && name == QLatin1String(option.name))
            return true;
    return name == u"h" || name == u"help" || name == u"v" || name == u"version";
}

// A limit as the messages write it, in the notation of their language.
QString number(double value) { return writeNumber(value, textLocale()); }

// "Délka zvuku musí být číslo od 0,1 do 60 (sekund)." from the limits that are checked.
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
        return {Texts::tr("Neznámá volba %1.").arg(quotedValue(QString(name.size() > 1 ? QStringLiteral("--") : QStringLiteral("-")) + name))};
    }
    for (const QString &argument : arguments) {
        const auto option = optionOf(argument);
        if (option && option->joinedValue && isFlag(option->name))
            return {Texts::tr("Volba %1 nemá hodnotu.").arg(quotedValue(argument.section(u'=', 0, 0)))};
    }
    const QString last = arguments.isEmpty() ? QString() : arguments.last();
    if (last.startsWith(u'-'))
        return {Texts::tr("Volbě %1 chybí hodnota.").arg(quotedValue(last))};
    return {Texts::tr("Příkazový řádek nelze použít.")};
}

std::optional<int> wholeNumberIn(const std::optional<double> &value, int least, int most)
{
    if (!value || *value != std::floor(*value) || *value < least || *value > most)
        return std::nullopt;
    return int(*value);
}

// Where the command line's set-up goes: the window, or a file of the kind its name says.
std::optional<Use> useOf(const QString &file)
{
    if (file.isNull())
        return Use::Window;
    const QString suffix = QFileInfo(file).suffix().toLower();
    for (const auto &[use, name] : {std::pair{Use::Png, "png"}, {Use::Svg, "svg"}, {Use::Pdf, "pdf"}, {Use::Gif, "gif"},
                                    {Use::Wav, "wav"}})
        if (suffix == QLatin1String(name))
            return use;
    return std::nullopt;
}

std::optional<CommandLineError> misplaced(const QString &name, Uses uses, Use use)
{
    if (uses & use)
        return std::nullopt;
    return CommandLineError{Texts::tr("Volba %1 platí jen %2.").arg(quotedValue(QStringLiteral("--") + name), usesText(uses))};
}

} // namespace

std::variant<QStringList, CommandLineError> argumentsOf(int argc, const char *const argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        if (argument.toLocal8Bit() != QByteArrayView(argv[i]))
            return CommandLineError{Texts::tr("Argument %1 obsahuje bajty, které nejsou textem v kódování systému.")
                                        .arg(quotedValue(argument))};
        arguments << argument;
    }
    return arguments;
}

std::optional<Language> languageAsked(const QStringList &arguments)
{
    std::optional<QString> asked;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const auto option = optionOf(arguments[i]);
        if (!option || option->name != u"language")
            continue;
        if (option->joinedValue)
            asked = arguments[i].section(u'=', 1);
        else if (i + 1 < arguments.size())
            asked = arguments[++i];
    }
    const LanguageName *named = asked ? entryNamed(kLanguageNames, asked->toStdString()) : nullptr;
    return named ? std::optional(named->language) : std::nullopt;
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
        "Použití: vlnokres [volby] [LEKCE.vlnokres]\n"
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
        "  --large-text      velké písmo: hodnoty, popisky, kurzory a legenda dvakrát větší\n"
        "  --perpendicular   kolmé kmity: první vlna podél x, druhá podél y; dolní diagram\n"
        "                    kreslí obrazec bodu v rovině x–y místo součtu\n"
        "  --page a4         s --render do PDF: obrázek na stránce A4 naležato, jako při tisku\n"
        "  --language JAZYK  cs (čeština, výchozí) nebo en (angličtina), jen pro toto spuštění\n"
        "  --preset JMÉNO    hodnoty a časová osa příkladu: stejna-faze, opacna-faze,\n"
        "                    ctvrt-periody, zazneje, zazneje-slysitelne, druha-harmonicka,\n"
        "                    obdelnik; kolmé kmity: kruznice, usecka, elipsa, pomer-1-2,\n"
        "                    pomer-2-3 (volby hodnot a osy mají přednost)\n"
        "  LEKCE.vlnokres    otevře lekci: její scény s otázkami pro třídu\n"
        "  --scene N         s lekcí: otevře ji na N-té scéně\n"
        "  --render LIST.pdf LEKCE.vlnokres  zapíše pracovní list lekce: scénu na stránku A4\n"
        "  --answers         s pracovním listem: součty jsou zobrazeny (řešení)\n"
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
    for (const SetUpOption &option : setUpOptions())
        parser.addOption(option.flag ? QCommandLineOption(QLatin1String(option.name))
                                     : QCommandLineOption(QLatin1String(option.name), {}, QStringLiteral("VALUE")));
    for (const ActionOption &option : kActionOptions)
        parser.addOption(option.valueName ? QCommandLineOption(QLatin1String(option.name), {}, QLatin1String(option.valueName))
                                          : QCommandLineOption(QLatin1String(option.name)));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOptions({help, version});
    if (!parser.parse(arguments))
        return parseError(parser, arguments.mid(1));
    // One lesson, by its file's extension; anything else is not the program's.
    const QStringList positional = parser.positionalArguments();
    for (qsizetype i = 0; i < positional.size(); ++i)
        if (i > 0 || !positional[i].endsWith(QLatin1String(lessonFormat::kSuffix), Qt::CaseInsensitive))
            return CommandLineError{Texts::tr("Nečekaný argument %1.").arg(quotedValue(positional[i]))};
    const auto given = [&parser](const char *name) { return parser.isSet(QLatin1String(name)); };
    const auto valueOf = [&parser](const char *name) { return parser.value(QLatin1String(name)); };

    CommandLine line;
    // The language first, so that what is said of the rest is said in it.
    if (given("language"))
        if (const auto refused = setUpOption("language").read(line.chosen, valueOf("language")))
            return *refused;
    if (parser.isSet(help)) {
        line.action = CommandLine::Action::Help;
        return line;
    }
    if (parser.isSet(version)) {
        line.action = CommandLine::Action::Version;
        return line;
    }
    if (given("render"))
        line.renderFile = valueOf("render");
    const auto use = useOf(line.renderFile);
    if (!use)
        return CommandLineError{Texts::tr("Soubor %1 nemá příponu .png, .svg, .pdf, .gif ani .wav.").arg(quotedValue(line.renderFile))};
    if (*use != Use::Window)
        line.action = *use == Use::Wav ? CommandLine::Action::RenderSound : CommandLine::Action::Render;
    line.lessonFile = positional.value(0);
    if (!line.lessonFile.isEmpty() && *use != Use::Window) {
        if (*use != Use::Pdf)
            return CommandLineError{Texts::tr("Lekci lze otevřít v okně, nebo s volbou „--render“ zapsat jako pracovní list do souboru .pdf.")};
        line.action = CommandLine::Action::RenderSheet;
    }
    if (line.lessonFile.isEmpty())
        for (const char *name : {"scene", "answers"})
            if (given(name))
                return CommandLineError{Texts::tr("Volba %1 platí jen s lekcí (vlnokres LEKCE.vlnokres).")
                                            .arg(quotedValue(QStringLiteral("--") + QLatin1String(name)))};
    if (given("scene")) {
        const auto n = wholeNumberIn(readPlainNumber(valueOf("scene")), 1, int(lessonFormat::kMostScenes));
        if (!n)
            return outOfRange(QT_TRANSLATE_NOOP("vlnokres::Texts", "Scéna"), Kind::Whole, 1, double(lessonFormat::kMostScenes));
        line.scene = *n;
    }
    line.answers = given("answers");
    if (*use == Use::Gif) {
        if (given("step"))
            return CommandLineError{Texts::tr("Animace GIF ukazuje celý běh; volba „--step“ platí jen pro obrázek.")};
        line.scale = kAnimationScale;
    }
    // Options that only the window, or only a file of one kind, reads: given elsewhere they
    // would do nothing, so they are refused as misplaced.
    for (const ActionOption &option : kActionOptions)
        if (given(option.name))
            if (const auto refused = misplaced(QLatin1String(option.name), option.uses, *use))
                return *refused;
    for (const SetUpOption &option : setUpOptions())
        if (given(option.name))
            if (const auto refused = misplaced(QLatin1String(option.name), option.uses, *use))
                return *refused;

    // An example's values and span, unless given: those given win.
    if (given("preset")) {
        const Preset *preset = presetNamed(valueOf("preset").toStdString());
        if (!preset) {
            QStringList names;
            for (const Preset &p : kPresets)
                names << QString::fromLatin1(p.name);
            return CommandLineError{Texts::tr("Příklad %1 neznám; příklady jsou: %2.")
                                        .arg(quotedValue(valueOf("preset")), names.join(QStringLiteral(", ")))};
        }
        line.chosen.setUp.values = {preset->amplitude, preset->frequency, preset->phaseDegrees};
        line.chosen.setUp.axis = {preset->periods};
        line.chosen.setUp.perpendicular = preset->perpendicular;
        line.given << QStringLiteral("amplitude") << QStringLiteral("frequency") << QStringLiteral("phase")
                   << QStringLiteral("periods") << QStringLiteral("perpendicular");
    }
    for (const SetUpOption &option : setUpOptions()) {
        if (!given(option.name))
            continue;
        if (const auto refused = option.read(line.chosen, option.flag ? QStringLiteral("true") : valueOf(option.name)))
            return *refused;
        if (!line.given.contains(QLatin1String(option.name)))
            line.given << QLatin1String(option.name);
    }
    line.start = given("start");
    if (line.action == CommandLine::Action::RenderSound && given("sound") && !line.chosen.setUp.voice)
        return CommandLineError{Texts::tr("Se zvukem vypnutým („--sound off“) nelze zapsat soubor .wav.")};
    if (given("duration")) {
        const auto seconds = readPlainNumber(valueOf("duration"));
        if (!seconds || *seconds < kShortestDuration || *seconds > kLongestDuration)
            return outOfRange(QT_TRANSLATE_NOOP("vlnokres::Texts", "Délka zvuku"), Kind::Any, kShortestDuration, kLongestDuration, QT_TRANSLATE_NOOP("vlnokres::Texts", "sekund"));
        line.duration = *seconds;
    }
    if (given("page")) {
        if (valueOf("page").toLower() != u"a4")
            return CommandLineError{Texts::tr("Stránku %1 neznám: volba „--page“ bere a4.").arg(quotedValue(valueOf("page")))};
        line.a4Page = true;
    }
    const TimeAxis axis = line.chosen.setUp.axis;
    line.step = axis.steps();
    if (given("step")) {
        const auto n = wholeNumberIn(readPlainNumber(valueOf("step")), 1, axis.steps());
        if (!n)
            return outOfRange(QT_TRANSLATE_NOOP("vlnokres::Texts", "Krok"), Kind::Whole, 1, axis.steps());
        line.step = *n;
    }
    if (given("scale")) {
        const auto k = readPlainNumber(valueOf("scale"));
        if (!k || *k < kSmallestScale || *k > kLargestScale)
            return outOfRange(QT_TRANSLATE_NOOP("vlnokres::Texts", "Měřítko"), Kind::Any, kSmallestScale, kLargestScale);
        // Every frame of an animation is a whole picture; at 8 a slow run takes minutes.
        if (*use == Use::Gif && *k > kLargestAnimationScale)
            return outOfRange(QT_TRANSLATE_NOOP("vlnokres::Texts", "Měřítko animace GIF"), Kind::Any, kSmallestScale, kLargestAnimationScale);
        line.scale = *k;
    }
    // The Start command's own checks and texts, and no usage after them: the command line
    // was right, a value was not.
    const SecondValues &v = line.chosen.setUp.values;
    const auto checked = checkParameters({v.amplitude, v.frequency, v.phaseDegrees});
    if (const auto *refusal = std::get_if<Refusal>(&checked))
        return CommandLineError{Texts::tr(messageFor(*refusal).text.c_str()), false};
    line.parameters = std::get<Parameters>(checked);
    line.parameters.perpendicular = line.chosen.setUp.perpendicular;
    return line;
}

} // namespace vlnokres
