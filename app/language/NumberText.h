#pragma once

#include "core/StartChecks.h"

#include <QLocale>
#include <QString>

#include <optional>

namespace vlnokres {

// Numbers pass between the program and its boxes as text in the user's locale.

// Plain decimal notation with the locale's decimal comma or dot: western digits, no exponent,
// no group separators, no trailing zeros (0.001 is "0,001" in Czech, 90 is "90").
QString writeNumber(double value, const QLocale &locale = QLocale());

// The box's text as a number, or nullopt where it is none. Surrounding spaces are ignored; the
// locale's notation is tried first, then the plain C form with a dot, so "0.5" reads under
// Czech and German too. Group separators are refused: under English "1,5" is more likely a
// Czech 1.5 than 15, and where the group separator is a dot, text that reads as grouped
// digits ("1.500" under German) is ambiguous (see ambiguityOf). Where the program speaks
// English, whose numbers have a decimal point, a decimal comma is read too ("1,5" is 1.5). A number too large for a
// double ("1e309") reads as an infinity of its sign, one too small to hold ("1e-400") as 0;
// the words "inf" and "nan" are not numbers. Digits of another script read as theirs ("١٫١"
// is 1.1, as an Arabic desktop writes it, with its letter mark before a minus).
std::optional<double> readNumber(const QString &text, const QLocale &locale = QLocale());

// Where the locale groups digits with a dot, text such as "1.500" or "12.345.678" reads both
// as grouped digits and as a decimal number: what the user is told of it, naming both readings.
std::optional<Message> ambiguityOf(const QString &text, const QLocale &locale = QLocale());

// A number given on the command line, read alike under every locale: with a decimal comma or
// a decimal dot ("0,8" and "0.8" are both eight tenths), never with group separators.
std::optional<double> readPlainNumber(const QString &text);

} // namespace vlnokres
