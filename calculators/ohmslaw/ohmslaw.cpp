// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ohmslaw.h"

#include "numbers.h"

#include <cmath>
#include <optional>

namespace ohmslaw {

namespace {

// A field's value in volt, ampere or ohm; empty when it is no number or
// leaves the double range once scaled.
std::optional<double> baseValue(QStringView field, double factor)
{
    const std::optional<double> value = common::number(field);
    if (!value)
        return std::nullopt;
    const double scaled = *value * factor;
    if (!std::isfinite(scaled))
        return std::nullopt;
    return scaled;
}

Solution result(Outcome outcome, double value)
{
    // Only pasted exponent numbers get here with an overflow (or a division
    // by a factor that no selector offers).
    if (!std::isfinite(value))
        return {Outcome::WrongInput};
    return {outcome, value};
}

} // namespace

Solution solve(const Texts &fields, const Texts &units)
{
    std::array<double, kRowCount> factor{};
    for (int row = 0; row < kRowCount; ++row)
        factor[row] = common::unitFactor(units[row], kUnits[row]).value_or(0.0);

    const auto u = baseValue(fields[VoltageRow], factor[VoltageRow]);
    const auto i = baseValue(fields[CurrentRow], factor[CurrentRow]);
    const auto r = baseValue(fields[ResistanceRow], factor[ResistanceRow]);
    if (!u || !i || !r)
        return {Outcome::WrongInput};

    const bool hasU = *u != 0.0;
    const bool hasI = *i != 0.0;
    const bool hasR = *r != 0.0;
    if (hasU && hasI && hasR)
        return {Outcome::NothingLeftOpen};
    if (!hasU && !hasI && !hasR)
        return {Outcome::AllZero};

    if (!hasU) {
        if (hasI && hasR)
            return result(Outcome::Voltage, (*r * *i) / factor[VoltageRow]);
        return {Outcome::CurrentAndResistanceOpen};
    }
    if (!hasI) {
        if (hasR)
            return result(Outcome::Current, (*u / *r) / factor[CurrentRow]);
        return {Outcome::VoltageAndResistanceOpen};
    }
    return result(Outcome::Resistance, (*u / *i) / factor[ResistanceRow]);
}

QString message(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Voltage:
    case Outcome::Current:
    case Outcome::Resistance:
        return {};
    case Outcome::NothingLeftOpen:
        return QStringLiteral("ein Eintrag muß 0 sein (für Ergebnis)");
    case Outcome::AllZero:
        return QStringLiteral("alle Ausgangswerte 0");
    case Outcome::CurrentAndResistanceOpen:
        return QStringLiteral("Strom und Widerstand festlegen");
    case Outcome::VoltageAndResistanceOpen:
        return QStringLiteral("Spannung und Widerstand festlegen");
    case Outcome::WrongInput:
        return QStringLiteral("falsche Eingabe");
    }
    return {};
}

} // namespace ohmslaw
