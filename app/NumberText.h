#pragma once

#include <QLocale>
#include <QString>

#include <optional>

namespace vlnokres {

// Numbers pass between the program and its boxes as text in the user's locale.

// Plain decimal notation with the locale's decimal separator: no exponent, no group
// separators, no trailing zeros (0.001 is "0,001" in Czech, 90 is "90").
QString writeNumber(double value, const QLocale &locale = QLocale());

// The box's text as a finite number, or nullopt. Surrounding spaces are ignored; the locale's
// notation is tried first, then the plain C form with a dot, so "0.5" reads under Czech too.
// Group separators are refused: under English "1,5" is more likely a Czech 1.5 than 15.
std::optional<double> readNumber(const QString &text, const QLocale &locale = QLocale());

} // namespace vlnokres
