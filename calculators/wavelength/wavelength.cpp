// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wavelength.h"

#include "numbers.h"

namespace wavelength {

Conversion convert(QStringView entry)
{
    if (common::isBlank(entry))
        return {std::nullopt, 0.0, kEnterValue.toString()};
    const std::optional<double> value = common::number(entry);
    if (!value || *value <= 0.0)
        return {std::nullopt, 0.0, kWrongValue.toString()};
    const double quotient = kSpeedOfLight / *value;
    // The result is written in the general form and read back before the
    // pattern applies; a quotient past the double range has no such form.
    if (!common::number(common::general(quotient)))
        return {std::nullopt, 0.0, kWrongValue.toString()};
    return {value, quotient, {}};
}

} // namespace wavelength
