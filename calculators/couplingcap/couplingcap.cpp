// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "couplingcap.h"

#include "numbers.h"

#include <cmath>

namespace couplingcap {

namespace {

// A typed value in ohm, hertz or farad, or the warning that refuses it.
struct Reading {
    double value = 0.0;
    QStringView warning;
};

Reading read(const Entry &entry, std::span<const Unit> units)
{
    if (common::isBlank(entry.text))
        return {0.0, kEnterValue};
    const std::optional<double> typed = common::number(entry.text);
    const std::optional<int> thousands = thousandsOf(entry.unit, units);
    if (!typed || *typed <= 0.0 || !thousands)
        return {0.0, kWrongValue};
    // A pasted exponent can push the scaled value out of range or to zero.
    const double value = scaled(*typed, *thousands);
    if (!std::isfinite(value) || value <= 0.0)
        return {0.0, kWrongValue};
    return {value, {}};
}

// Each result is written in the general form and read back before its
// pattern applies, so that text has to read back as a number. A result of
// zero means the divisor overflowed: the true value is not zero.
template <typename Values>
bool showable(const Values &values)
{
    for (const double value : shown(values)) {
        if (value == 0.0 || !common::number(common::general(value)))
            return false;
    }
    return true;
}

// Reads the load, then the second entry, and computes from both.
template <typename Values>
Outcome<Values> calculate(const Entry &resistance, const Entry &second, std::span<const Unit> secondUnits,
                          Values (*compute)(double, double))
{
    const Reading ohm = read(resistance, kResistanceUnits);
    if (!ohm.warning.isEmpty())
        return {std::nullopt, ohm.warning.toString()};
    const Reading other = read(second, secondUnits);
    if (!other.warning.isEmpty())
        return {std::nullopt, other.warning.toString()};
    const Values values = compute(ohm.value, other.value);
    if (!showable(values))
        return {std::nullopt, kWrongValue.toString()};
    return {values, {}};
}

} // namespace

std::optional<int> thousandsOf(QStringView name, std::span<const Unit> units)
{
    for (const Unit &unit : units) {
        if (name == unit.name)
            return unit.thousands;
    }
    return std::nullopt;
}

double scaled(double value, int thousands)
{
    for (int i = 0; i < thousands; ++i)
        value = value * 1000;
    for (int i = 0; i > thousands; --i)
        value = value / 1000;
    return value;
}

Capacitance capacitanceFrom(double ohm, double hertz)
{
    return {
        1 / ((ohm * kTwoPi) * hertz),
        1 / ((ohm * kTwoPi) * hertz) * 1000 * 1000,
        1 / ((ohm * kTwoPi) * hertz) * 1000 * 1000 * 1000,
        1 / ((ohm * kTwoPi) * hertz) * 1000 * 1000 * 1000 * 1000,
    };
}

Frequency frequencyFrom(double ohm, double farad)
{
    return {
        1 / ((ohm * kTwoPi) * farad),
        1 / ((ohm * kTwoPi) * farad) / 1000,
        1 / ((ohm * kTwoPi) * farad) / 1000 / 1000,
    };
}

std::array<double, 4> shown(const Capacitance &c)
{
    return {c.farad, c.microfarad, c.nanofarad, c.picofarad};
}

std::array<double, 3> shown(const Frequency &f)
{
    return {f.hertz, f.kilohertz, f.megahertz};
}

Outcome<Capacitance> capacitance(const Entry &resistance, const Entry &frequency)
{
    return calculate(resistance, frequency, kFrequencyUnits, capacitanceFrom);
}

Outcome<Frequency> frequency(const Entry &resistance, const Entry &capacitance)
{
    return calculate(resistance, capacitance, kCapacitanceUnits, frequencyFrom);
}

} // namespace couplingcap
