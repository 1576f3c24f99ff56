// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "units.h"

#include <QString>
#include <QStringView>

#include <array>
#include <span>

// Ohm's law, U = R × I, solved for the one quantity left at zero, without
// widgets: the unit tables of the three rows, the number formats of the
// result, and the decision which quantity to compute or which warning to
// give.
namespace ohmslaw {

// The rows of the window, top to bottom.
enum Row : int {
    VoltageRow,
    CurrentRow,
    ResistanceRow,
};
inline constexpr int kRowCount = 3;

// What each selector item stands for in volt, ampere and ohm. "µ" is the
// micro sign U+00B5.
inline constexpr common::UnitFactor kVoltageUnits[] = {
    {u"V", 1.0},
    {u"mV", 0.001},
    {u"\u00B5V", 0.000001},
};
inline constexpr common::UnitFactor kCurrentUnits[] = {
    {u"A", 1.0},
    {u"mA", 0.001},
    {u"\u00B5A", 0.000001},
};
inline constexpr common::UnitFactor kResistanceUnits[] = {
    {u"Ohm", 1.0},
    {u"kOhm", 1000.0},
    {u"MOhm", 1000000.0},
};
inline constexpr std::array<std::span<const common::UnitFactor>, kRowCount> kUnits = {
    kVoltageUnits,
    kCurrentUnits,
    kResistanceUnits,
};

// The number formats the user chooses for the result. The empty pattern is
// the general form.
struct NumberFormat {
    QStringView caption;
    QStringView pattern;
};
inline constexpr NumberFormat kFormats[] = {
    {u"ohne Formatierung", u""},
    {u"mit Tausender", u"#,##0.0########"},
    {u"2 Dezimalstellen", u"#,##0.00"},
    {u"4 Dezimalstellen", u"#,##0.0000"},
    {u"6 Dezimalstellen", u"#,##0.000000"},
};

// How a calculation ends. The first three are results, numbered like Row.
enum class Outcome : int {
    Voltage,
    Current,
    Resistance,
    NothingLeftOpen,          // all three given
    AllZero,                  // none given
    CurrentAndResistanceOpen, // voltage and one of the others at zero
    VoltageAndResistanceOpen, // only the voltage given
    WrongInput,               // not a number, or beyond the double range
};

struct Solution {
    Outcome outcome;
    double value = 0.0; // the result in the unit selected in its row
};

// The texts of the three fields, or of the three selectors, by Row.
using Texts = std::array<QString, kRowCount>;

// Reads the fields with their units and solves for the quantity at zero;
// a value of zero counts as not given. The voltage decides first: with U at
// zero, U is computed or current and resistance are missing; with U given
// and I at zero, I is computed or voltage and resistance are missing;
// otherwise R is computed. Text that is not a number, a value beyond the
// double range after scaling, or such a result gives WrongInput. A selector
// text outside its table stands for the factor 0.
Solution solve(const Texts &fields, const Texts &units);

constexpr bool isResult(Outcome outcome)
{
    return outcome == Outcome::Voltage || outcome == Outcome::Current
        || outcome == Outcome::Resistance;
}

constexpr Row resultRow(Outcome outcome)
{
    return Row(int(outcome));
}

// Whether the outcome is decided after the window has turned all three
// fields black: the results and the two warnings about missing quantities.
// The refusals before that leave the red mark where it is.
constexpr bool clearsMark(Outcome outcome)
{
    return isResult(outcome) || outcome == Outcome::CurrentAndResistanceOpen
        || outcome == Outcome::VoltageAndResistanceOpen;
}

// The warning for an outcome that is not a result; empty for results.
QString message(Outcome outcome);

} // namespace ohmslaw
