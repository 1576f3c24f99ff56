// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "resistorcode.h"

#include "numbers.h"

#include <vector>

namespace resistorcode {

double lookup(QStringView colour, std::span<const ColourValue> table)
{
    for (const ColourValue &row : table) {
        if (colour == row.colour)
            return row.value;
    }
    return 0;
}

double significantFigures(std::span<const double> digits)
{
    QString joined;
    for (const double digit : digits)
        joined += common::general(digit);
    return common::number(joined).value_or(0);
}

Reading read(std::span<const QString> digitColours, QStringView multiplierColour,
             QStringView toleranceColour)
{
    std::vector<double> digits;
    digits.reserve(digitColours.size());
    for (const QString &colour : digitColours)
        digits.push_back(lookup(colour, kDigits));
    const double ohm = significantFigures(digits) * lookup(multiplierColour, kMultipliers);

    Reading reading;
    reading.tolerance = common::general(lookup(toleranceColour, kTolerances));
    reading.ohm = common::format(ohm, u"###,###,###,##0.0");
    reading.kiloOhm = common::format(ohm / 1000, u"###,###,##0.00");
    reading.megaOhm = common::format(ohm / 1000000, u"###,##0.00");
    return reading;
}

} // namespace resistorcode
