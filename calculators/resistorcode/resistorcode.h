// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <span>

// Resistance and tolerance from the colour rings of a resistor: the three
// colour tables and the calculation, free of any widget.
namespace resistorcode {

// One row of a colour table: the colour name as the ring selectors show it
// and the value it stands for.
struct ColourValue {
    QStringView colour;
    double value;
};

// Digit rings. The first ring of a resistor never shows black, so its
// selector offers this table without the first row.
inline constexpr std::array<ColourValue, 10> kDigits{{
    {u"schwarz", 0},
    {u"braun", 1},
    {u"rot", 2},
    {u"orange", 3},
    {u"gelb", 4},
    {u"grün", 5},
    {u"blau", 6},
    {u"violett", 7},
    {u"grau", 8},
    {u"weiß", 9},
}};

// Multiplier ring.
inline constexpr std::array<ColourValue, 12> kMultipliers{{
    {u"silber", 0.01},
    {u"gold", 0.1},
    {u"schwarz", 1},
    {u"braun", 10},
    {u"rot", 100},
    {u"orange", 1000},
    {u"gelb", 10000},
    {u"grün", 100000},
    {u"blau", 1000000},
    {u"violett", 10000000},
    {u"grau", 100000000},
    {u"weiß", 1000000000},
}};

// Tolerance ring, in per cent; a resistor without a tolerance ring is 20 %.
inline constexpr std::array<ColourValue, 9> kTolerances{{
    {u"keine", 20},
    {u"silber", 10},
    {u"gold", 5},
    {u"braun", 1},
    {u"rot", 2},
    {u"grün", 0.5},
    {u"blau", 0.25},
    {u"violett", 0.1},
    {u"grau", 0.05},
}};

// The colours the rings are drawn in, one per colour name of the tables
// above, as 0xRRGGBB. Gold and silver are flat stand-ins for the metals.
struct RingColour {
    QStringView colour;
    unsigned rgb;
};

inline constexpr std::array<RingColour, 12> kRingColours{{
    {u"schwarz", 0x000000},
    {u"braun", 0x7B3F00},
    {u"rot", 0xD01010},
    {u"orange", 0xF07800},
    {u"gelb", 0xF5D800},
    {u"grün", 0x1E9632},
    {u"blau", 0x1C4FD0},
    {u"violett", 0x8A2BC2},
    {u"grau", 0x8C8C8C},
    {u"weiß", 0xFFFFFF},
    {u"gold", 0xC9A43A},
    {u"silber", 0xC0C0C8},
}};

// The value of a colour in a table, matched as a whole, case-sensitive
// string; 0 for a colour the table does not hold.
double lookup(QStringView colour, std::span<const ColourValue> table);

// The significant figures of the digit rings, first ring first: the digits
// written one after the other and read as one number ({4, 7} gives 47).
double significantFigures(std::span<const double> digits);

// The four result texts of one calculator.
struct Reading {
    QString ohm;       // "###,###,###,##0.0"
    QString kiloOhm;   // "###,###,##0.00"
    QString megaOhm;   // "###,##0.00"
    QString tolerance; // general form: "20", "0,25"
};

// Reads a resistor from the colour names of its rings: the digit rings in
// ring order (two or three), the multiplier and the tolerance ring. Colours
// missing from their table count as 0. Any combination gives a reading.
Reading read(std::span<const QString> digitColours, QStringView multiplierColour,
             QStringView toleranceColour);

} // namespace resistorcode
