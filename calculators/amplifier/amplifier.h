// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "units.h"

#include <QString>
#include <QStringView>

#include <optional>

// Sizing the resistors of a one-transistor common-emitter stage biased by a
// base divider: the collector resistor Rc, R1 from the supply to the base and
// R2 from the base to ground, from the supply voltage Ub and the operating
// point (Uce, Ube, Ic, Ib) read off the transistor's curves. The divider
// factor k says how many base currents flow through R2.
// Volts, amperes and ohms throughout.
//
// Stage 1 has its emitter on ground and also gives R1 for biasing by R1
// alone. Stage 2 has an emitter resistor Re.
//
// A calculation is refused (no value) when an entry is not a number, when
// Ub, Uce, Ube, Ic, Ib (or Re) is zero, or when a result is not finite;
// the window then warns and writes no result.
namespace amplifier {

// The units of the current selectors.
inline constexpr common::UnitFactor kCurrentUnits[] = {
    {u"mA", 0.001},
    {u"µA", 0.000001},
};

// The factor of a current selector's text; 0 when it names no unit, so that
// the current counts as zero and is refused.
double currentFactor(QStringView unit);

// The entries as the window shows them.
struct Entries {
    QString ub;
    QString uce;
    QString ube;
    QString ic;
    QString icUnit;
    QString ib;
    QString ibUnit;
    QString factor; // k, "2" to "10"
};

// The entries read as numbers, currents scaled by their units.
struct Inputs {
    double ub = 0;
    double uce = 0;
    double ube = 0;
    double ic = 0;
    double ib = 0;
    double factor = 0;
};

// Empty when any text is not a number.
std::optional<Inputs> read(const Entries &entries);

// Whether Ub, Uce, Ube, Ic or Ib is zero: a zero stands for a missing entry.
bool hasZero(const Inputs &inputs);

struct Stage1 {
    double rc;
    double r1WithoutR2; // R1 when the base is biased by R1 alone
    double r2;
    double r1;
};

Stage1 stage1(const Inputs &inputs);
std::optional<Stage1> calculateStage1(const Entries &entries);

struct Stage2 {
    double rc;
    double r2;
    double r1;
};

Stage2 stage2(const Inputs &inputs, double re);
std::optional<Stage2> calculateStage2(const Entries &entries, QStringView re);

// A resistance as the result fields show it: kilo-ohms with three decimals.
QString kiloOhms(double ohms);

} // namespace amplifier
