// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <optional>
#include <span>

// The coupling capacitor C2 and the load "R Last" form a high-pass with the
// cutoff frequency f = 1 / (2π · R · C). These functions give the capacitance
// for a load and a cutoff frequency, and the cutoff frequency for a load and
// a capacitance, from the texts of the window's fields and selectors.
namespace couplingcap {

// 2π as this calculator has always used it. The shown farad digits (and
// every value users have compared with) depend on it, so it is kept rather
// than the exact value.
inline constexpr double kTwoPi = 6.2831852;

// One unit of a selector: how often a typed number is multiplied by 1000
// (positive) or divided by 1000 (negative) to give ohm, hertz or farad.
// Every step is a separate operation, so "M Ohm" is × 1000 × 1000, not × 1E6.
struct Unit {
    QStringView name;
    int thousands;
};

inline constexpr Unit kResistanceUnits[] = {
    {u"Ohm", 0},
    {u"k Ohm", 1},
    {u"M Ohm", 2},
};
inline constexpr Unit kFrequencyUnits[] = {
    {u"Hz", 0},
    {u"kHz", 1},
    {u"MHz", 2},
};
inline constexpr Unit kCapacitanceUnits[] = {
    {u"\u00B5F", -2}, // the micro sign, not the Greek mu
    {u"nF", -3},
    {u"pF", -4},
};

// The steps of the unit whose name is exactly `name`; empty when none is.
std::optional<int> thousandsOf(QStringView name, std::span<const Unit> units);

// `value` multiplied or divided by 1000 once per step, in that order.
double scaled(double value, int thousands);

// The capacitance in each unit the window shows, each from its own
// expression: C = 1 / ((R × 2π) × f), then × 1000 per step.
struct Capacitance {
    double farad;
    double microfarad;
    double nanofarad;
    double picofarad;
};
Capacitance capacitanceFrom(double ohm, double hertz);

// f = 1 / ((R × 2π) × C) in hertz, then ÷ 1000 per step.
struct Frequency {
    double hertz;
    double kilohertz;
    double megahertz;
};
Frequency frequencyFrom(double ohm, double farad);

// The values in the order the window shows them, top to bottom.
std::array<double, 4> shown(const Capacitance &c);
std::array<double, 3> shown(const Frequency &f);

// The warnings, the same two the frequency-wavelength window uses.
inline constexpr QStringView kEnterValue = u"Wert eingeben";
inline constexpr QStringView kWrongValue = u"falscher Wert";

// The outcome of one press of "Berechne": the values, or the warning that
// refuses the input (then no field may change).
template <typename Values>
struct Outcome {
    std::optional<Values> values;
    QString warning;
};

// One entry field with its selector, as typed and picked.
struct Entry {
    QStringView text;
    QStringView unit;
};

// Checks the two entries in turn, the first one first: an empty (or blank)
// entry gives kEnterValue; one that is no number, zero, negative or beyond
// the double range once scaled gives kWrongValue. A result that leaves the
// range in which it can be shown and read back gives kWrongValue too.
Outcome<Capacitance> capacitance(const Entry &resistance, const Entry &frequency);
Outcome<Frequency> frequency(const Entry &resistance, const Entry &capacitance);

} // namespace couplingcap
