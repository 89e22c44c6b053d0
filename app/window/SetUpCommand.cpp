#include "SetUpCommand.h"

#include "NumberText.h"

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

} // namespace

QString commandFor(const SetUp &setUp)
{
    QStringList words{QStringLiteral("vlnokres"), QStringLiteral("--amplitude"), shellWord(setUp.amplitude.trimmed()),
                      QStringLiteral("--frequency"), shellWord(setUp.frequency.trimmed()), QStringLiteral("--phase"),
                      shellWord(setUp.phase.trimmed())};
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
    return words.join(u' ');
}

} // namespace vlnokres
