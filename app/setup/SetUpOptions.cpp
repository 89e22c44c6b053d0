#include "SetUpOptions.h"

#include "app/language/NumberText.h"
#include "core/LessonMarks.h"
#include "core/Named.h"
#include "core/Pace.h"
#include "core/StartChecks.h"

#include <QRegularExpression>
#include <QStringList>

#include <cmath>

namespace vlnokres {
namespace {

// A limit as the messages write it, in the notation of their language.
QString limit(double value) { return writeNumber(value, textLocale()); }

// "Základní tón musí být číslo od 55 do 1760 (Hz)." from the limits that are checked.
Unusable outOfRange(const char *what, bool whole, double least, double most, const char *unit = nullptr)
{
    return {Texts::tr("%1 musí být %2 od %3 do %4%5.")
                .arg(Texts::tr(what), whole ? Texts::tr("celé číslo") : Texts::tr("číslo"), limit(least), limit(most),
                     unit ? QStringLiteral(" (%1)").arg(Texts::tr(unit)) : QString())};
}

std::optional<int> wholeNumberIn(const QString &text, int least, int most)
{
    const auto value = readPlainNumber(text);
    if (!value || *value != std::floor(*value) || *value < least || *value > most)
        return std::nullopt;
    return int(*value);
}

QString yesNo(bool value) { return value ? QStringLiteral("true") : QStringLiteral("false"); }

// A flag's value: "true" sets it and "false" clears it; anything else is not its.
SetUpOption flag(const char *name, Aspect aspect, Uses uses, bool SetUp::*member, const char *menuText,
                 QKeySequence key, const char *settingsKey = nullptr)
{
    return {
        .name = name,
        .aspect = aspect,
        .uses = uses,
        .flag = true,
        .write = [member](const Chosen &c, const QLocale &) { return yesNo(c.setUp.*member); },
        .read = [member, name](Chosen &c, const QString &value) -> std::optional<Unusable> {
            if (value != u"true" && value != u"false")
                return Unusable{Texts::tr("Volba %1 nemá hodnotu.").arg(quotedValue(QStringLiteral("--") + QLatin1String(name)))};
            c.setUp.*member = value == u"true";
            return std::nullopt;
        },
        .settingsKey = settingsKey,
        .menuText = menuText,
        .keys = key.isEmpty() ? QList<QKeySequence>() : QList{key},
    };
}

// One of the second sinusoid's values: a number in either notation, or Start's own words why not.
SetUpOption value(const char *name, double SecondValues::*member, Refusal notNumber)
{
    return {
        .name = name,
        .aspect = Aspect::Values,
        .uses = kAnywhere,
        .write = [member](const Chosen &c, const QLocale &notation) { return writeNumber(c.setUp.values.*member, notation); },
        .read = [member, notNumber](Chosen &c, const QString &text) -> std::optional<Unusable> {
            const auto number = readPlainNumber(text);
            if (!number)
                return Unusable{Texts::tr(messageFor(notNumber).text.c_str()), false};
            c.setUp.values.*member = *number;
            return std::nullopt;
        },
        .copied = SetUpOption::Copied::Always,
    };
}

// The time graph's spans as the menu names them: "periody" after two to four, else "period".
constexpr OptionChoice kAxisChoices[] = {
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "2 periody"), "2"},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "20 period"), "20"},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "100 period"), "100"},
};
constexpr OptionChoice kPaletteChoices[] = {
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "Původní"), "standard"},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "Pro barvoslepé"), "colour-blind"},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "Pro tisk a projektor"), "print"},
};
// Each language is named in its own words, so that anyone finds theirs.
constexpr OptionChoice kLanguageChoices[] = {{"Čeština", "cs"}, {"English", "en"}};

std::vector<SetUpOption> makeOptions()
{
    using Copied = SetUpOption::Copied;
    std::vector<SetUpOption> options;
    options.push_back(value("amplitude", &SecondValues::amplitude, Refusal::AmplitudeNotNumber));
    options.push_back(value("frequency", &SecondValues::frequency, Refusal::FrequencyNotNumber));
    options.push_back(value("phase", &SecondValues::phaseDegrees, Refusal::PhaseNotNumber));
    options.push_back({
        .name = "slowdown",
        .aspect = Aspect::Slowdown,
        .uses = Uses(Use::Window) | Use::Gif,
        .write = [](const Chosen &c, const QLocale &) { return QString::number(c.setUp.slowdown); },
        .read = [](Chosen &c, const QString &text) -> std::optional<Unusable> {
            const auto slowdown = wholeNumberIn(text, kFastest, kSlowest);
            if (!slowdown)
                return outOfRange(QT_TRANSLATE_NOOP("vlnokres::Texts", "Zpomalení"), true, kFastest, kSlowest);
            c.setUp.slowdown = *slowdown;
            return std::nullopt;
        },
    });
    options.push_back({
        .name = "sound",
        .aspect = Aspect::Voice,
        .uses = Uses(Use::Window) | Use::Wav,
        .write = [](const Chosen &c, const QLocale &) {
            return QLatin1String(c.setUp.voice ? sound::nameOf(*c.setUp.voice) : "off");
        },
        .read = [](Chosen &c, const QString &text) -> std::optional<Unusable> {
            const sound::VoiceName *named = entryNamed(sound::kVoiceNames, text.toStdString());
            if (!named)
                return Unusable{Texts::tr("Hlas %1 neznám: volba „--sound“ bere off, first, second, sum nebo stereo.")
                                    .arg(quotedValue(text))};
            c.setUp.voice = named->voice;
            return std::nullopt;
        },
        .settingsKey = "sound/voice",
    });
    options.push_back({
        .name = "tone",
        .aspect = Aspect::BaseTone,
        .uses = Uses(Use::Window) | Use::Wav,
        .write = [](const Chosen &c, const QLocale &notation) { return writeNumber(c.setUp.baseTone, notation); },
        .read = [](Chosen &c, const QString &text) -> std::optional<Unusable> {
            const auto hertz = readPlainNumber(text);
            if (!hertz || *hertz < sound::kLowestBaseTone || *hertz > sound::kHighestBaseTone)
                return outOfRange(QT_TRANSLATE_NOOP("vlnokres::Texts", "Základní tón"), false, sound::kLowestBaseTone,
                                  sound::kHighestBaseTone, "Hz");
            c.setUp.baseTone = *hertz;
            return std::nullopt;
        },
        .settingsKey = "sound/baseTone",
    });
    options.push_back(flag("values", Aspect::Readouts, Uses(Use::Window) | kPictures, &SetUp::readouts,
                           QT_TRANSLATE_NOOP("vlnokres::Texts", "Hodnoty"), QKeySequence(Qt::CTRL | Qt::Key_H),
                           "view/readouts"));
    options.push_back({
        .name = "colours",
        .aspect = Aspect::Colours,
        .uses = Uses(Use::Window) | kPictures,
        .write = [](const Chosen &c, const QLocale &) { return QLatin1String(nameOf(c.setUp.colours)); },
        .read = [](Chosen &c, const QString &text) -> std::optional<Unusable> {
            const ColoursName *named = entryNamed(kColoursNames, text.toStdString());
            if (!named)
                return Unusable{Texts::tr("Barvy %1 neznám: volba „--colours“ bere standard, colour-blind nebo print.")
                                    .arg(quotedValue(text))};
            c.setUp.colours = named->colours;
            return std::nullopt;
        },
        .settingsKey = "view/colours",
        .menuText = QT_TRANSLATE_NOOP("vlnokres::Texts", "Barvy"),
        .choices = {std::begin(kPaletteChoices), std::end(kPaletteChoices)},
    });
    options.push_back({
        .name = "periods",
        .aspect = Aspect::Axis,
        .uses = Uses(Use::Window) | kPictures,
        .write = [](const Chosen &c, const QLocale &) { return QString::number(c.setUp.axis.periods); },
        .read = [](Chosen &c, const QString &text) -> std::optional<Unusable> {
            const auto periods = wholeNumberIn(text, 1, 100);
            if (!periods || !isOfferedAxis(*periods))
                return Unusable{Texts::tr("Časovou osu %1 neznám: volba „--periods“ bere 2, 20 nebo 100.").arg(quotedValue(text))};
            c.setUp.axis = {*periods};
            return std::nullopt;
        },
        .menuText = QT_TRANSLATE_NOOP("vlnokres::Texts", "Časová osa"),
        .choices = {std::begin(kAxisChoices), std::end(kAxisChoices)},
    });
    options.push_back(flag("hide-sum", Aspect::SumHidden, Uses(Use::Window) | kPictures, &SetUp::sumHidden,
                           QT_TRANSLATE_NOOP("vlnokres::Texts", "Skrýt součet"), QKeySequence(Qt::CTRL | Qt::Key_R)));
    options.push_back(flag("labels", Aspect::Labels, Uses(Use::Window) | kPictures, &SetUp::labels,
                           QT_TRANSLATE_NOOP("vlnokres::Texts", "Popisky"), QKeySequence(Qt::CTRL | Qt::Key_L)));
    options.push_back(flag("perpendicular", Aspect::Perpendicular, Uses(Use::Window) | kPictures, &SetUp::perpendicular,
                           QT_TRANSLATE_NOOP("vlnokres::Texts", "Kolmé kmity"), QKeySequence()));
    options.push_back({
        .name = "cursors",
        .aspect = Aspect::Cursors,
        .uses = Uses(Use::Window) | kPictures,
        .write = [](const Chosen &c, const QLocale &notation) {
            QStringList times;
            for (const double t : c.setUp.cursors)
                if (marks::onAxis(t, c.setUp.axis))
                    times << writeNumber(t, notation);
            return times.join(u':');
        },
        // "0,62:0,87" as times on the graph, each read as the readouts write it, to hundredths.
        .read = [](Chosen &c, const QString &text) -> std::optional<Unusable> {
            const QStringList parts = text.split(u':');
            std::vector<double> times;
            for (const QString &part : parts) {
                const auto time = readPlainNumber(part);
                if (parts.size() > 2 || !time || !marks::onAxis(*time, c.setUp.axis))
                    return Unusable{Texts::tr("Kurzory %1 nelze použít: volba „--cursors“ bere jeden nebo dva časy "
                                              "od 0 do %2 period první sinusoidy, oddělené dvojtečkou (0,62:0,87).")
                                        .arg(quotedValue(text),
                                             limit(std::floor(marks::spanInPeriods(c.setUp.axis) * 100) / 100))};
                times.push_back(std::round(*time * 100) / 100);
            }
            c.setUp.cursors = times;
            return std::nullopt;
        },
    });
    options.push_back(flag("large-text", Aspect::LargeText, Uses(Use::Window) | kPictures, &SetUp::largeText,
                           QT_TRANSLATE_NOOP("vlnokres::Texts", "Velké písmo"), QKeySequence(), "view/largeText"));
    options.push_back({
        .name = "language",
        .aspect = Aspect::Language,
        .uses = kAnywhere,
        .write = [](const Chosen &c, const QLocale &) { return QLatin1String(nameOf(c.language)); },
        .read = [](Chosen &c, const QString &text) -> std::optional<Unusable> {
            const LanguageName *named = entryNamed(kLanguageNames, text.toStdString());
            if (!named)
                return Unusable{Texts::tr("Jazyk %1 neznám: volba „--language“ bere cs nebo en.").arg(quotedValue(text))};
            c.language = named->language;
            return std::nullopt;
        },
        .copied = Copied::Never,
        .settingsKey = "view/language",
        .menuText = QT_TRANSLATE_NOOP("vlnokres::Texts", "Jazyk"),
        .choices = {std::begin(kLanguageChoices), std::end(kLanguageChoices)},
    });
    return options;
}

QString shellWord(const QString &text)
{
    static const QRegularExpression kPlain(QStringLiteral("^[A-Za-z0-9,._+:-]+$"));
    if (kPlain.match(text).hasMatch())
        return text;
    QString quoted = text;
    return u'\'' + quoted.replace(u'\'', QStringLiteral("'\\''")) + u'\'';
}

} // namespace

const std::vector<SetUpOption> &setUpOptions()
{
    static const std::vector<SetUpOption> options = makeOptions();
    return options;
}

const SetUpOption &setUpOption(std::string_view name)
{
    for (const SetUpOption &option : setUpOptions())
        if (name == option.name)
            return option;
    qFatal("The set-up has no option named %s", std::string(name).c_str());
}

QString valueChosen(const SetUpOption &option, const OptionChoice *choice, const Chosen &chosen)
{
    if (choice)
        return QString::fromLatin1(choice->value);
    return option.write(chosen, QLocale::c()) == u"true" ? QStringLiteral("false") : QStringLiteral("true");
}

bool isChosen(const SetUpOption &option, const OptionChoice *choice, const Chosen &chosen)
{
    const QString value = option.write(chosen, QLocale::c());
    return choice ? value == QLatin1String(choice->value) : value == u"true";
}

QString commandFor(const Chosen &chosen)
{
    const QLocale notation; // the boxes'
    const Chosen atStartUp;
    QStringList words{QStringLiteral("vlnokres")};
    for (const SetUpOption &option : setUpOptions()) {
        const QString value = option.write(chosen, notation);
        if (option.copied == SetUpOption::Copied::Never ||
            (option.copied == SetUpOption::Copied::WhereChanged && value == option.write(atStartUp, notation)))
            continue;
        if (option.flag && value != u"true")
            continue;
        words << QStringLiteral("--") + QLatin1String(option.name);
        if (!option.flag)
            words << shellWord(value);
    }
    return words.join(u' ');
}

QString usesText(Uses uses)
{
    const Uses files = uses & ~Uses(Use::Window);
    QString into;
    if (files == kPictures || files == kStillPictures) {
        into = Texts::tr("do obrázku");
    } else {
        QStringList suffixes;
        for (const auto &[use, suffix] : {std::pair{Use::Png, ".png"}, {Use::Svg, ".svg"}, {Use::Pdf, ".pdf"},
                                          {Use::Gif, ".gif"}, {Use::Wav, ".wav"}})
            if (files & use)
                suffixes << QLatin1String(suffix);
        const QString last = suffixes.isEmpty() ? QString() : suffixes.takeLast();
        into = Texts::tr("do souboru %1")
                   .arg(suffixes.isEmpty() ? last : Texts::tr("%1 nebo %2").arg(suffixes.join(QStringLiteral(", ")), last));
    }
    if (!(uses & Use::Window))
        return Texts::tr("spolu s volbou „--render“ %1").arg(into);
    if (!files)
        return Texts::tr("pro okno, ne s volbou „--render“");
    return Texts::tr("pro okno nebo s volbou „--render“ %1").arg(into);
}

QString quotedValue(const QString &value)
{
    // A value of ten thousand characters would bury the sentence around it.
    constexpr qsizetype kLongest = 40;
    return Texts::tr("„%1“").arg(value.size() > kLongest ? value.left(kLongest) + u'…' : value);
}

} // namespace vlnokres
