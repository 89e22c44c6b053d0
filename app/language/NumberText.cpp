#include "NumberText.h"

#include "app/language/Language.h"

#include <QRegularExpression>

#include <charconv>
#include <cmath>
#include <string>

namespace vlnokres {

QString writeNumber(double value, const QLocale &locale)
{
    // Western digits and a plain minus in every locale, with the locale's decimal comma or
    // dot (any other separator becomes a dot), so that whatever is written here reads back
    // under the same locale and on the command line. 'f' with the shortest round-trip
    // precision: 'g' would write 1E-07.
    QString text = QLocale::c().toString(value, 'f', QLocale::FloatingPointShortest);
    if (locale.decimalPoint() == u",")
        text.replace(u'.', u',');
    return text;
}

namespace {

// A numeral too small for a double: the toolkit refuses it as it refuses text that is no
// number at all, so the numeral is read again in C notation, which tells the two apart.
bool underflows(const QLocale &notation, QString text)
{
    text.replace(notation.decimalPoint(), QStringLiteral("."))
        .replace(notation.negativeSign(), QStringLiteral("-"))
        .replace(notation.positiveSign(), QString())
        .replace(notation.exponential(), QStringLiteral("e"), Qt::CaseInsensitive);
    const std::string c = text.toStdString();
    double value = 0;
    const auto [end, error] = std::from_chars(c.data(), c.data() + c.size(), value);
    return !c.empty() && end == c.data() + c.size() && error == std::errc::result_out_of_range;
}

// What one notation makes of the text: a number, a number too large (an infinity), one too
// small (0), or nothing.
std::optional<double> readIn(QLocale notation, const QString &text)
{
    notation.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = notation.toDouble(text, &ok);
    // toDouble accepts the words "inf" and "nan", and answers an overflowing numeral with an
    // infinity that it does not call ok.
    if (ok)
        return std::isfinite(value) ? std::optional(value) : std::nullopt;
    if (std::isinf(value))
        return value;
    if (underflows(notation, text))
        return 0.0;
    return std::nullopt;
}

// One to three digits, then groups of exactly three, each after a dot.
bool dotGrouped(const QString &text)
{
    static const QRegularExpression kGrouped(QStringLiteral("^[-+\u2212]?\\d{1,3}(\\.\\d{3})+$"));
    return kGrouped.match(text).hasMatch();
}

bool groupsWithDot(const QLocale &locale) { return locale.groupSeparator() == QStringLiteral("."); }

// Digits of every script as the western ones, the Arabic decimal separator as a dot, and
// without the marks that set the writing's direction (the Arabic letter mark that Arabic
// locales put before a minus), which no notation reads.
QString westernDigits(const QString &text)
{
    QString plain;
    plain.reserve(text.size());
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        if (code == u'\u061C' || code == u'\u200E' || code == u'\u200F' || (code >= u'\u202A' && code <= u'\u202E') ||
            (code >= u'\u2066' && code <= u'\u2069'))
            continue;
        if (c.isDigit() && c.digitValue() >= 0)
            plain += QChar(u'0' + c.digitValue());
        else if (code == u'\u066B')
            plain += u'.';
        else
            plain += c;
    }
    return plain;
}

} // namespace

std::optional<double> readNumber(const QString &text, const QLocale &locale)
{
    const QString trimmed = westernDigits(text.trimmed());
    if (const auto value = readIn(locale, trimmed))
        return value;
    if (groupsWithDot(locale) && dotGrouped(trimmed))
        return std::nullopt;
    if (const auto value = readIn(QLocale::c(), trimmed))
        return value;
    // Where the program speaks English, a Czech decimal comma is read as well.
    if (language() == Language::English && trimmed.count(u',') == 1 && locale.decimalPoint() == u".")
        return readIn(QLocale::c(), QString(trimmed).replace(u',', u'.'));
    return std::nullopt;
}

std::optional<Message> ambiguityOf(const QString &text, const QLocale &locale)
{
    const QString trimmed = text.trimmed();
    if (!groupsWithDot(locale) || !dotGrouped(trimmed))
        return std::nullopt;
    QString digits = trimmed;
    digits.remove(u'.').replace(u'\u2212', u'-');
    const QString grouped = writeNumber(digits.toDouble(), locale);
    const auto decimal = readIn(QLocale::c(), trimmed);
    const QString said =
        decimal ? Texts::tr("Hodnotu „%1“ lze číst jako %2 i jako %3. Napište ji bez tečky.")
                      .arg(trimmed, grouped, writeNumber(*decimal, locale))
                : Texts::tr("Hodnotu „%1“ lze číst jen jako %2 s tečkami mezi tisíci. Napište ji bez teček.")
                      .arg(trimmed, grouped);
    return Message{Texts::tr("Neplatná hodnota").toStdString(), said.toStdString()};
}

std::optional<double> readPlainNumber(const QString &text)
{
    QString plain = westernDigits(text.trimmed());
    if (plain.count(u',') + plain.count(u'.') > 1)
        return std::nullopt;
    plain.replace(u',', u'.');
    return readIn(QLocale::c(), plain);
}

} // namespace vlnokres
