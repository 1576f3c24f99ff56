// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// Reading and writing numbers as the user sees them: always with the German
// separators (decimal comma, full stop grouping thousands), whatever the
// system locale says. The key filters of the entry fields only admit the
// comma, so a locale-dependent reading would lock out other locales.
namespace common {

// Reads a field's text as a double.
// Accepts blanks (spaces, never tabs) at both ends, an optional sign, digits with full stops
// skipped anywhere before the decimal comma, at most one decimal comma
// (",5" and "5," read), at least one digit, and an optional exponent
// ("E-13", "e+5"). Refuses everything else, including empty text and values
// beyond the double range: the result is then empty, never NaN or infinity.
std::optional<double> number(QStringView text);

// Whether a field's text is empty or holds only blanks (spaces): such a
// field counts as not filled in. A tab is no blank, so text with one is
// filled in but no number.
bool isBlank(QStringView text);

// Writes a value through a number pattern made of "0", "#", "." and ",".
// The value is first rounded to 15 significant digits, then half away from
// zero to the pattern's maximum count of decimals. The integer part is never
// cut, a value that rounds to zero carries no minus sign, and the empty
// pattern means general(). Non-finite values give empty text: callers check
// before they format.
QString format(double value, QStringView pattern);

// The general form: the shortest text with at most 15 significant digits,
// plain between 1E-04 and below 1E+15, otherwise in exponent form such as
// "1,23456789012346E+15" or "1E-05". Non-finite values give empty text.
QString general(double value);

// A value rounded to 15 significant digits: what general() shows.
double roundToSignificant15(double value);

} // namespace common
