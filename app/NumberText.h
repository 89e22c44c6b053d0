#pragma once

#include <QLocale>
#include <QString>

#include <optional>

namespace vlnokres {

// Numbers pass between the program and its boxes as text in the user's locale.

// Plain decimal notation with the locale's decimal separator: no exponent, no group
// separators, no trailing zeros (0.001 is "0,001" in Czech, 90 is "90").
QString writeNumber(double value, const QLocale &locale = QLocale());

// The box's text as a number, or nullopt where it is none. Surrounding spaces are ignored; the
// locale's notation is tried first, then the plain C form with a dot, so "0.5" reads under
// Czech too. Group separators are refused: under English "1,5" is more likely a Czech 1.5
// than 15, and where the group separator is the C decimal point (German "1.500") the text is
// ambiguous. A number too large for a double ("1e309") reads as an infinity of its sign; the
// words "inf" and "nan" are not numbers.
std::optional<double> readNumber(const QString &text, const QLocale &locale = QLocale());

} // namespace vlnokres
