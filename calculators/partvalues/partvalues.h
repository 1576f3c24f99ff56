// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "standardvalues.h"

#include <QString>
#include <QStringView>

#include <optional>
#include <span>
#include <vector>

// The values of resistors and capacitors in every marking: reading what a
// user types or finds printed on a part, and writing a value back as
// numbers, codes and colour rings, with its standard-value neighbours.
// Pure functions, no widgets. Values are in ohm or farad; all texts are
// German and use the decimal comma whatever the locale.
namespace partvalues {

// A tolerance as a letter (IEC 60062) or a colour ring gives it: minus and
// plus as positive amounts, in per cent, or in picofarad for the letters
// B, C, D, F and G on capacitors below 10 pF.
struct Tolerance {
    double minus = 0;
    double plus = 0;
    bool picofarad = false;
    QChar letter; // the IEC letter, null where a colour ring gave it
    QString text; // "±5 %", "−20/+80 %", "±0,25 pF"
};

// How a text was read.
enum class Kind {
    Number,        // a value, with or without prefix and unit
    Rkm,           // letter-and-digit code: "4K7", "R47", "4n7"
    Smd3,          // resistor, 3 digits: "472", "4R7"
    Smd4,          // resistor, 4 digits: "4701", "10R0"
    Eia96,         // resistor, 2 digits and a letter: "01C"
    Rings,         // colour rings in the order typed
    RingsReversed, // colour rings read from the other end
    CapacitorCode, // capacitor, 3 digits in pF: "104", "479"
};

// One reading of a text.
struct Reading {
    Kind kind = Kind::Number;
    double value = 0;  // ohm or farad
    QString how;       // what the reading takes the text for: "Zahl", "3-stelliger SMD-Code"
    QString label;     // for the "Lesart" drop-down: "47 Ohm (3-stelliger SMD-Code)"
    std::optional<Tolerance> tolerance;
    std::optional<int> temperatureCoefficient; // ppm/K, from a 6th ring
};

// Every reading of a text, or why there is none.
struct Readings {
    std::vector<Reading> readings;
    // Empty when there are readings or the text is blank; otherwise one
    // short German line saying what the field expects.
    QString message;
};

// Every reading of the field's text for the part, most likely first:
// - resistors: a plain number first ("470" is 470 Ohm, then 47 Ohm as a
//   3-digit code), then RKM, SMD and EIA-96 codes ("10R" is 10 Ohm, then
//   1,24 Ohm as EIA-96), then colour words;
// - capacitors: a bare 3-digit number is the code first, then pF; a
//   number without a unit below 1 is offered in pF and in µF; a number
//   with prefix and "F" is also an RKM code with the tolerance letter F
//   ("100nF": 100 nF, then 100 nF ±1 %);
// - "4.700" is 4700 (thousands point) and 4,7 (decimal point typed the
//   English way); "4.7" cannot hold a thousands point and is 4,7 alone;
// - colour rings in the order typed first, then reversed, each only where
//   it is a valid code (black is never a first ring);
// - a trailing tolerance letter (B C D F G J K M, Z on capacitors) is kept
//   as the reading's tolerance.
// No reading is dropped and none is made up: a text that has none gives
// an empty list and a message. Blank text gives neither. Never throws, for
// any text of any length.
Readings read(QStringView text, common::Part part);

// The reading's value as "4,7 kOhm", followed by its tolerance and
// temperature coefficient where the text gave them: "4,7 kOhm ±5 %",
// "33 kOhm ±1 %, 100 ppm/K".
QString describe(const Reading &reading, common::Part part);

// A value with at most 4 significant digits in the unit that suits it
// (Ohm, kOhm, MOhm, GOhm; pF, nF, µF, F, as the standard values are
// written elsewhere: "4700 µF"): decimal comma, no grouping, no trailing
// zeros, no binary noise: "3,147 kOhm", "470 pF", "0,47 Ohm", "0 Ohm",
// "0 pF". The decimal value is rounded half away from zero: 0,53775 Ohm
// is "0,5378 Ohm".
// Empty for negative or non-finite values.
QString formatValue(double value, common::Part part);

// A deviation given as a fraction (0,0023) in per cent, signed, with two
// decimals rounded half away from zero: "+0,23 %", "−1,43 %", "0,00 %",
// "+3,13 %" for 0,03125.
QString formatDeviation(double fraction);

// One marking of a value: the marking itself, or why it cannot be made.
struct Marking {
    QString name;      // "RKM-Code", "SMD, 3-stellig", "SMD, 4-stellig", "EIA-96", "Kondensator-Code"
    bool possible = false;
    QString text;      // the marking ("4K7", "472", "104J"), or the German
                       // line why not: "nicht als 3-stelliger Code darstellbar"
};

// Every marking of the value for the part: for resistors RKM, SMD 3-digit
// (at most 2 significant digits), SMD 4-digit (at most 3) and EIA-96 (E96
// values from 0,1 Ohm to 97,6 MOhm); for capacitors the 3-digit code (0,01 pF
// as "018" to 990 µF as "997") and RKM. A tolerance with a letter is appended to RKM and the capacitor code.
// Each marking that is possible reads back through read() to the value.
std::vector<Marking> markings(double value, common::Part part,
                              const std::optional<Tolerance> &tolerance = {});

// One colour ring and what it stands for.
struct Ring {
    QStringView colour; // a name of resistorcode's tables: "gelb", "gold"
    QString meaning;    // "1. Ziffer", "2. Ziffer", "3. Ziffer", "Multiplikator", "Toleranz"
};

// A ring code of a resistor.
struct RingCode {
    int digitRings = 2;     // 2 for the 4-ring code, 3 for the 5-ring code
    std::vector<Ring> rings; // empty where the value is out of the rings' range
    bool exact = false;     // false: the rings hold `shown`, not the value
    double shown = 0;       // the value the rings stand for
    QString words;          // "gelb violett rot gold"
    // Empty when exact; otherwise why not and, where rings exist, the
    // nearest value they hold: "braucht mehr als 2 Ziffern; die Ringe
    // zeigen den nächsten Wert 4,8 kOhm".
    QString note;
};

// The 4-ring (digitRings 2) or 5-ring (digitRings 3) code of a resistor:
// digits, multiplier and the tolerance ring of `toleranceColour`, a name
// of resistorcode::kTolerances. "keine" leaves the ring out of the 4-ring
// code; the 5-ring code has no rings then, since its four would read as a
// 4-ring code. A value with
// more significant digits than the rings hold is rounded to the nearest
// one they hold, and said so. Digits from resistorcode::kDigits (never
// black first), multipliers from kMultipliers.
RingCode rings(double value, int digitRings, QStringView toleranceColour);

// The name in resistorcode::kTolerances of a symmetric tolerance in per
// cent ("gold" for ±5 %), to preset the ring tolerance from a reading;
// empty where no ring has it.
QStringView toleranceColour(const Tolerance &tolerance);

// The series a part is offered in: E6 to E192 for resistors, E6 to E24
// for capacitors, fewest values first.
std::span<const common::Series> seriesOf(common::Part part);

// The standard values of one series nearest to a value.
struct Neighbours {
    QStringView series; // "E12"
    bool standard = false; // the value is one of the series
    double below = 0;      // nearest standard value at or below, 0 if none
    double above = 0;      // nearest standard value at or above, 0 if none
    // "Normwert", or "4,7 kOhm (−2,13 %) / 5,6 kOhm (+16,67 %)"; the
    // deviation is that of the standard value from the value.
    QString text;
};

// The neighbours of a value in every series of seriesOf(part), in that
// order; at a standard value below and above are the value itself. Empty
// for values read() does not accept as the part's (1 mOhm to 1000 GOhm,
// 0,01 pF to 10000 F) and for 0 Ohm.
std::vector<Neighbours> neighbours(double value, common::Part part);

// How a field reads and writes its quantities.
enum class QuantityStyle {
    // The prefix of the usual engineering steps of 1000 (n µ m, none, k M
    // when written; p to G when read); negative values are not written.
    Engineering,
    // µ, m or none, the largest in which the value is at least 0,1
    // ("0,3871 mA", "0,1028 W"), signed; an empty unit is a plain number
    // ("4,704"). Read with the prefixes p to M and digits of 0 or 0,001 to
    // 10^12 before the prefix, as read() takes a resistor's value.
    Tenths,
};

// A quantity other than a part's value, such as a voltage or a current: a
// number as read() takes it (decimal comma, thousands points; "4.5" with
// the point typed the English way), an optional sign, an optional prefix
// (p n µ u m k M G) and optionally the unit, its case free: "12", "4,5 V",
// "20 mA", "0,02 A", "-5 V". Where a full stop could be either, the
// thousands point wins, as it does in read(). Empty for any other text.
std::optional<double> readQuantity(QStringView text, QStringView unit,
                                   QuantityStyle style = QuantityStyle::Engineering);

// A quantity with at most 4 significant digits (more only where its
// integer part in the largest unit has them: "12345 V"), rounded as
// formatValue() rounds, with the prefix `style` gives: "9,091 mA",
// "27,27 mW", "14,4 V", "0 A"; "0,3871 mA", "−3,3 V" as Tenths. Empty for
// non-finite values, and for negative ones as Engineering.
QString formatQuantity(double value, QStringView unit, QuantityStyle style = QuantityStyle::Engineering);

} // namespace partvalues
