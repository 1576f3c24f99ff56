// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// Frequency and wavelength of an electromagnetic wave in free space: each is
// the speed of light divided by the other, so one function serves both
// directions (hertz to metres and metres to hertz).
namespace wavelength {

inline constexpr double kSpeedOfLight = 299792458.0; // m/s

// How both the entry and the result are shown after a calculation.
inline constexpr QStringView kPattern = u"#,###,##0.0000";

inline constexpr QStringView kEnterValue = u"Wert eingeben";
inline constexpr QStringView kWrongValue = u"falscher Wert";

// One press of "Berechne": the entry as a number and the quotient, or the
// warning that refuses the entry (then no field may change).
struct Conversion {
    std::optional<double> entry;
    double quotient = 0.0;
    QString warning;
};

// c / entry. An entry that is empty or blank gives kEnterValue; one that is
// no number, zero or negative gives kWrongValue, and so does a quotient
// beyond the range in which it can be shown in the general form and read
// back.
Conversion convert(QStringView entry);

} // namespace wavelength
