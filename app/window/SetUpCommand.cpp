#include "SetUpCommand.h"

#include "NumberText.h"
#include "core/StepOperations.h"

#include <QRegularExpression>

namespace vlnokres {
namespace {

QString shellWord(const QString &text)
{
    static const QRegularExpression kPlain(QStringLiteral("^[A-Za-z0-9,._+-]+$"));
    if (kPlain.match(text).hasMatch())
        return text;
    QString quoted = text;
    return u'\'' + quoted.replace(u'\'', QStringLiteral("'\\''")) + u'\'';
}

// A box's number as the command line reads it under every locale; text that is no number
// stays as typed, for the command line to say so.
QString commandNumber(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (readPlainNumber(trimmed))
        return trimmed;
    const auto value = readNumber(trimmed);
    return value ? writeNumber(*value) : trimmed;
}

} // namespace

QString commandFor(const SetUp &setUp)
{
    QStringList words{QStringLiteral("vlnokres"), QStringLiteral("--amplitude"), shellWord(commandNumber(setUp.amplitude)),
                      QStringLiteral("--frequency"), shellWord(commandNumber(setUp.frequency)), QStringLiteral("--phase"),
                      shellWord(commandNumber(setUp.phase))};
    if (setUp.slowdown != 1)
        words << QStringLiteral("--slowdown") << QString::number(setUp.slowdown);
    if (setUp.voice)
        words << QStringLiteral("--sound") << QString::fromLatin1(sound::nameOf(*setUp.voice));
    if (setUp.baseTone != sound::kDefaultBaseTone)
        words << QStringLiteral("--tone") << writeNumber(setUp.baseTone);
    if (setUp.readouts)
        words << QStringLiteral("--values");
    if (setUp.colours != Colours::Standard)
        words << QStringLiteral("--colours") << QLatin1String(nameOf(setUp.colours));
    if (setUp.periods != TimeAxis{}.periods)
        words << QStringLiteral("--periods") << QString::number(setUp.periods);
    if (setUp.sumHidden)
        words << QStringLiteral("--hide-sum");
    if (setUp.labels)
        words << QStringLiteral("--labels");
    if (!setUp.cursors.empty()) {
        QStringList times;
        for (const double t : setUp.cursors)
            times << writeNumber(t);
        words << QStringLiteral("--cursors") << times.join(u':');
    }
    return words.join(u' ');
}

} // namespace vlnokres
