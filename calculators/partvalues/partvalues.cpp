// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "partvalues.h"

namespace partvalues {

Readings read(QStringView, common::Part)
{
    return {};
}

QString describe(const Reading &, common::Part)
{
    return {};
}

QString formatValue(double, common::Part)
{
    return {};
}

QString formatDeviation(double)
{
    return {};
}

std::vector<Marking> markings(double, common::Part, const std::optional<Tolerance> &)
{
    return {};
}

RingCode rings(double, int digitRings, QStringView)
{
    RingCode code;
    code.digitRings = digitRings;
    return code;
}

QStringView toleranceColour(const Tolerance &)
{
    return {};
}

std::span<const common::Series> seriesOf(common::Part)
{
    return {};
}

std::vector<Neighbours> neighbours(double, common::Part)
{
    return {};
}

} // namespace partvalues
