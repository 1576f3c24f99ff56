// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "standardvalues.h"

#include <QString>

#include <optional>

// Two standard parts that together come nearest to a value, one pair in
// series and one in parallel. Pure functions, no widgets.
namespace partvalues {

// Two standard values and what they give together.
struct Pair {
    double smaller = 0; // the parts, smaller <= larger
    double larger = 0;
    double result = 0;    // ohm or farad
    double deviation = 0; // result / value - 1
    // "470 Ohm + 2,7 kOhm = 3,17 kOhm (+0,96 %)",
    // "3,3 kOhm ∥ 68 kOhm = 3,147 kOhm (+0,23 %)"; capacitors in series
    // "100 nF in Reihe mit 100 nF = 50 nF (0,00 %)".
    QString text;
};

// The best pairs for one value and series.
struct Pairs {
    // Set where one standard value of the series equals the value; the
    // pairs are then left empty.
    std::optional<double> single;
    std::optional<Pair> series;   // resistors add, capacitors divide
    std::optional<Pair> parallel; // capacitors add, resistors divide
    // One German line: "4,7 kOhm ist ein Normwert der Reihe E12" where
    // `single` is set; where the value lies beyond what two parts reach,
    // what they reach; otherwise empty.
    QString message;
};

// The best series pair and the best parallel pair of standard values of
// `series` for `value`, parts from 1 Ohm to 10 MOhm or from 1 pF to 10 mF,
// the same value allowed twice. Best is the smallest |result / value - 1|;
// deviations within 1e-12 of each other tie, whatever their signs, and a tie
// goes to the pair with the smaller larger part, then the smaller smaller
// one: 9,4 Ohm in E12 gives 4,7 Ohm + 4,7 Ohm, not 1,2 Ohm + 8,2 Ohm. Example:
// 3140 Ohm in E12 gives 3,3 kOhm ∥ 68 kOhm (+0,23 %) and 470 Ohm + 2,7 kOhm
// (+0,96 %). A sorted list and a binary search per part keep E192 well
// under a millisecond. Nothing for values that are not positive and finite
// or that no pair reaches (message says what pairs reach).
Pairs bestPairs(double value, common::Part part, const common::Series &series);

} // namespace partvalues
