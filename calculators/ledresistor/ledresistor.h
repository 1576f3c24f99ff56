// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "standardvalues.h"

#include <QString>
#include <QStringList>
#include <QStringView>

// The series resistor of LEDs: n LEDs in series on a supply, m such strings
// side by side, each string with a resistor of its own. Pure functions and
// the window's fixed data, no widgets. Texts are German with the decimal
// comma whatever the locale.
namespace ledresistor {

// An LED colour and its forward voltage at about 20 mA: typical, and the
// spread from one LED to the next.
struct Colour {
    QStringView name;
    double typical; // V
    double from;    // V
    double to;      // V
};

inline constexpr Colour kColours[] = {
    {u"Infrarot", 1.3, 1.2, 1.5},        {u"Rot", 2.0, 1.8, 2.2},
    {u"Orange", 2.0, 1.9, 2.3},          {u"Gelb", 2.1, 1.9, 2.4},
    {u"Grün (Standard)", 2.2, 1.9, 2.5}, {u"Grün (hell)", 3.2, 2.9, 3.6},
    {u"Blau", 3.2, 2.9, 3.6},            {u"Weiß", 3.2, 2.9, 3.6},
};
inline constexpr QStringView kPresetColour = u"Rot";
// The colour's entry once the user has typed forward voltages of his own.
inline constexpr QStringView kOwnValues = u"eigene Werte";

// The currents the drop-down offers; any other can be typed.
inline constexpr QStringView kCurrents[] = {u"2 mA", u"5 mA", u"10 mA", u"20 mA"};
inline constexpr QStringView kPresetCurrent = u"20 mA";

// A series and the tolerance its resistors are sold with, in per cent.
struct SeriesTolerance {
    common::Series series;
    double percent;
};

inline constexpr SeriesTolerance kSeries[] = {
    {common::kSeriesE6, 20}, {common::kSeriesE12, 10}, {common::kSeriesE24, 5},
    {common::kSeriesE48, 2}, {common::kSeriesE96, 1},  {common::kSeriesE192, 0.5},
};
inline constexpr QStringView kPresetSeries = u"E12";

// The power ratings resistors are bought in, smallest first.
struct Rating {
    QStringView name;
    double watts;
};

inline constexpr Rating kRatings[] = {{u"1/8 W", 0.125}, {u"1/4 W", 0.25}, {u"1/2 W", 0.5},
                                      {u"1 W", 1},        {u"2 W", 2},      {u"5 W", 5}};

// A resistor runs at no more than this share of its rating.
inline constexpr double kLoad = 0.5;
// The worst-case current may stray this far from the standard value's.
inline constexpr double kCurrentStray = 0.25;
// Counts beyond these are no LED circuit anyone builds.
inline constexpr int kMostInSeries = 100;
inline constexpr int kMostStrings = 1000;

// The fields as the user typed them.
struct Input {
    QString supply;       // "Betriebsspannung", V
    QString supplySpread; // "±", per cent; blank counts as 0
    QString forward;      // "Durchlassspannung", typical, V
    QString forwardFrom;  // "von", V
    QString forwardTo;    // "bis", V
    QString current;      // "LED-Strom", A
    QString inSeries;     // "LEDs in Reihe"
    QString strings;      // "Stränge parallel"
    QString series;       // "E6" to "E192"
};

// What the drawing shows: as much as the fields give, the values empty
// where they cannot be read.
struct Circuit {
    QString supply;   // "12 V"
    QString resistor; // the standard value, "120 Ohm"
    int inSeries = 1;
    int strings = 1;
};

// Every result as the window shows it. All are empty when `message` is
// set, or when a field other than the spread is blank.
struct Result {
    QString message; // why there are no results: a field or a value refused

    QString exact;           // R = (Ub − n · Uf) / I, "300 Ohm"
    QString standard;        // the nearest standard value at or above it
    QString current;         // the current the standard value gives
    QString voltage;         // the voltage across it
    QString power;           // its power
    QString rating;          // the rating to buy, "1/8 W"
    QString smaller;         // the next smaller standard value
    QString smallerCurrent;  // the current that one gives
    QString worstCase;       // "9,091 mA bis 30,56 mA"
    QString ledPower;        // in each LED
    QString totalCurrent;    // m · I
    QString totalPower;      // from the supply
    QString ledShare;        // of that, in the LEDs: "80 %"
    QStringList notes;       // warnings that go with the results

    Circuit circuit;
};

// All results of the fields. With Ub, I, the forward voltages and the
// resistor's tolerance t from the series, and the standard value Rn:
// - the current Rn gives is (Ub − n · Uf) / Rn, its power that current
//   times Ub − n · Uf, its rating the smallest of kRatings that carries
//   the power at kLoad;
// - the worst case runs from (Ub − spread − n · Uf bis) / (Rn + t) to
//   (Ub + spread − n · Uf von) / (Rn − t), no lower than 0;
// - a note where that strays beyond kCurrentStray of the current Rn gives
//   (Rn is chosen, the swing around it is not), and where the power
//   exceeds what the largest rating takes at kLoad.
// A supply that does not exceed n · Uf is refused, saying how many LEDs fit.
Result calculate(const Input &input);

// The circuit in words, for the drawing's screen-reader description.
QString describe(const Circuit &circuit);

} // namespace ledresistor
