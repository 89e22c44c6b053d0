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

namespace {

// What one notation makes of the text: a number, a number too large (an infinity), or nothing.
std::optional<double> readIn(QLocale notation, const QString &text)
{
    notation.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = notation.toDouble(text, &ok);
    // toDouble accepts the words "inf" and "nan", and answers an overflowing numeral with an
    // infinity that it does not call ok.
    if (ok)
        return std::isfinite(value) ? std::optional(value) : std::nullopt;
    return std::isinf(value) ? std::optional(value) : std::nullopt;
}

} // namespace

std::optional<double> readNumber(const QString &text, const QLocale &locale)
{
    const QString trimmed = text.trimmed();
    if (const auto value = readIn(locale, trimmed))
        return value;
    if (locale.groupSeparator() == u'.' && trimmed.contains(u'.'))
        return std::nullopt;
    return readIn(QLocale::c(), trimmed);
}

} // namespace vlnokres
