// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "units.h"

namespace common {

std::optional<double> unitFactor(QStringView text, std::span<const UnitFactor> table)
{
    for (const UnitFactor &row : table) {
        if (text == row.name)
            return row.factor;
    }
    return std::nullopt;
}

QStringList unitNames(std::span<const UnitFactor> table)
{
    QStringList names;
    for (const UnitFactor &row : table)
        names.append(row.name.toString());
    return names;
}

} // namespace common
