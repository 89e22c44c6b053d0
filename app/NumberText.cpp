#include "NumberText.h"

#include <cmath>

namespace vlnokres {

QString writeNumber(double value, const QLocale &locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(plain.numberOptions() | QLocale::OmitGroupSeparator);
    // 'f' with the shortest round-trip precision: 'g' would write 1E-07.
    return plain.toString(value, 'f', QLocale::FloatingPointShortest);
}

std::optional<double> readNumber(const QString &text, const QLocale &locale)
{
    const QString trimmed = text.trimmed();
    for (QLocale notation : {locale, QLocale::c()}) {
        notation.setNumberOptions(QLocale::RejectGroupSeparator);
        bool ok = false;
        const double value = notation.toDouble(trimmed, &ok);
        // toDouble accepts "inf" and "nan"; neither is a number the scene can use.
        if (ok)
            return std::isfinite(value) ? std::optional(value) : std::nullopt;
    }
    return std::nullopt;
}

} // namespace vlnokres
