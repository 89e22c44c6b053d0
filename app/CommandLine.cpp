#include "CommandLine.h"

#include "NumberText.h"
#include "PictureExport.h"
#include "core/Pace.h"
#include "core/StartUpValues.h"
#include "core/StepOperations.h"

#include <QCommandLineParser>

#include <cmath>

namespace vlnokres {
namespace {

constexpr double kSmallestScale = 0.25;
constexpr double kLargestScale = 8;

QString quoted(const QString &text) { return QStringLiteral("„%1“").arg(text); }

// QCommandLineParser says what went wrong in English; say it again in Czech, from the
// arguments themselves.
CommandLineError parseError(const QCommandLineParser &parser, const QStringList &arguments)
{
    if (!parser.unknownOptionNames().isEmpty()) {
        const QString name = parser.unknownOptionNames().first();
        return {QStringLiteral("Neznámá volba %1.").arg(quoted(QString(name.size() > 1 ? QStringLiteral("--") : QStringLiteral("-")) + name))};
    }
    const QString last = arguments.isEmpty() ? QString() : arguments.last();
    if (last.startsWith(u'-'))
        return {QStringLiteral("Volbě %1 chybí hodnota.").arg(quoted(last))};
    return {QStringLiteral("Příkazový řádek nelze použít.")};
}

std::optional<int> wholeNumberIn(const std::optional<double> &value, int least, int most)
{
    if (!value || *value != std::floor(*value) || *value < least || *value > most)
        return std::nullopt;
    return int(*value);
}

} // namespace

QString usageLine() { return QStringLiteral("Použití: vlnokres [volby]; nápověda: vlnokres --help"); }

QString helpText()
{
    return QStringLiteral(
        "Použití: vlnokres [volby]\n"
        "Součet dvou sinusovek: názorně ukazuje, jak se sčítají dvě sinusovky.\n"
        "\n"
        "Volby:\n"
        "  --amplitude A     amplituda druhé sinusovky vůči první (nejvýš 1,5)\n"
        "  --frequency F     kmitočet druhé sinusovky vůči první\n"
        "  --phase STUPNĚ    fázový posun druhé sinusovky ve stupních\n"
        "  --slowdown S      zpomalení animace, celé číslo od 1 do 10\n"
        "  --start           spustí animaci, jakmile se okno ukáže\n"
        "  --render SOUBOR   neotevře okno: nakreslí celou animaci naráz a uloží obrázek;\n"
        "                    formát podle přípony: .png, .svg nebo .pdf\n"
        "  --step N          s --render: obrázek, jak vypadá po N-tém kroku (1 až 1300,\n"
        "                    jinak po posledním)\n"
        "  --scale K         s --render do PNG: pixelů obrázku na pixel okna (výchozí 2)\n"
        "  -h, --help        vypíše tuto nápovědu\n"
        "  -v, --version     vypíše verzi programu\n"
        "\n"
        "Čísla lze psát s desetinnou čárkou i tečkou.\n"
        "Návratové hodnoty: 0 v pořádku, 1 obrázek nelze zapsat nebo chybí grafické prostředí,\n"
        "2 chybný příkazový řádek nebo hodnota.\n");
}

std::variant<CommandLine, CommandLineError> parseCommandLine(const QStringList &arguments, const QLocale &locale)
{
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
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOptions({amplitude, frequency, phase, slowdown, start, render, step, scale, help, version});
    if (!parser.parse(arguments))
        return parseError(parser, arguments.mid(1));
    if (!parser.positionalArguments().isEmpty())
        return CommandLineError{QStringLiteral("Nečekaný argument %1.").arg(quoted(parser.positionalArguments().first()))};

    CommandLine line;
    if (parser.isSet(help)) {
        line.action = CommandLine::Action::Help;
        return line;
    }
    if (parser.isSet(version)) {
        line.action = CommandLine::Action::Version;
        return line;
    }
    auto read = [&](const QCommandLineOption &option) { return readNumber(parser.value(option), locale); };
    line.amplitudeGiven = parser.isSet(amplitude);
    line.frequencyGiven = parser.isSet(frequency);
    line.phaseGiven = parser.isSet(phase);
    line.values = {line.amplitudeGiven ? read(amplitude) : std::optional(startup::kAmplitude),
                   line.frequencyGiven ? read(frequency) : std::optional(startup::kFrequency),
                   line.phaseGiven ? read(phase) : std::optional(startup::kPhaseDegrees)};
    if (parser.isSet(slowdown)) {
        line.slowdown = wholeNumberIn(read(slowdown), kFastest, kSlowest);
        if (!line.slowdown)
            return CommandLineError{QStringLiteral("Zpomalení musí být celé číslo od 1 do 10.")};
    }
    line.start = parser.isSet(start);
    if (parser.isSet(render)) {
        line.action = CommandLine::Action::Render;
        line.renderFile = parser.value(render);
        if (!pictureFormatOf(line.renderFile))
            return CommandLineError{
                QStringLiteral("Soubor %1 nemá příponu .png, .svg ani .pdf.").arg(quoted(line.renderFile))};
    }
    if (parser.isSet(step)) {
        const auto n = wholeNumberIn(read(step), 1, kSteps);
        if (!n)
            return CommandLineError{QStringLiteral("Krok musí být celé číslo od 1 do 1300.")};
        line.step = *n;
    }
    if (parser.isSet(scale)) {
        const auto k = read(scale);
        if (!k || *k < kSmallestScale || *k > kLargestScale)
            return CommandLineError{QStringLiteral("Měřítko musí být číslo od 0,25 do 8.")};
        line.scale = *k;
    }
    // The Start command's own checks and texts, and no usage after them: the command line
    // was right, a value was not.
    const auto checked = checkParameters(line.values);
    if (const auto *refusal = std::get_if<Refusal>(&checked))
        return CommandLineError{QString::fromUtf8(messageFor(*refusal).text), false};
    line.parameters = std::get<Parameters>(checked);
    return line;
}

} // namespace vlnokres
