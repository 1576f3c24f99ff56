// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pairs.h"

#include "partvalues.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace partvalues {

namespace {

using common::Part;

// Deviations this close count as equal: 2100 Ohm lies exactly between
// 270 + 1,8k and 330 + 1,8k, up to rounding.
constexpr double kTie = 1e-12;

// The parts a pair is made of: hundredths × 10^firstExponent for `decades`
// decades, and the first value of the next one.
struct PartRange {
    int firstExponent;
    int decades;
};

constexpr PartRange kResistorParts{-2, 7};    // 1 Ohm to 10 MOhm
constexpr PartRange kCapacitorParts{-14, 10}; // 1 pF to 10 mF

// How two parts combine: added (resistors in series, capacitors in
// parallel) or through their reciprocals.
enum class Combination { Sum, Reciprocal };

double combined(double a, double b, Combination how)
{
    return how == Combination::Sum ? a + b : a * b / (a + b);
}

// Whether a result with `deviation` from the parts `smaller` and `larger`
// beats the best so far. Within the tie distance the deviations are equal,
// their signs included: rounding noise must not pick the pair.
bool better(double deviation, double smaller, double larger, const Pair &best)
{
    const double d = std::abs(deviation);
    const double b = std::abs(best.deviation);
    if (d < b - kTie)
        return true;
    if (d > b + kTie)
        return false;
    if (larger != best.larger)
        return larger < best.larger;
    return smaller < best.smaller;
}

// The best pair for `value`: for each part as the smaller one, the partner
// that brings the result nearest is found by binary search for the exact
// partner, and only the standard values on both sides of it are tried.
std::optional<Pair> bestPair(double value, const std::vector<double> &values, Combination how)
{
    std::optional<Pair> best;
    for (auto a = values.begin(); a != values.end(); ++a) {
        // The exact partner: value - a, or for reciprocals a·value / (a - value),
        // which does not exist where a alone is not above the value.
        const double partner = how == Combination::Sum ? value - *a
                               : *a > value           ? *a * value / (*a - value)
                                                      : values.back();
        const auto above = std::lower_bound(a, values.end(), partner);
        for (auto b = above == a ? above : above - 1; b != values.end() && b <= above; ++b) {
            const double result = combined(*a, *b, how);
            const double deviation = result / value - 1;
            if (!best || better(deviation, *a, *b, *best))
                best = Pair{*a, *b, result, deviation, {}};
        }
    }
    return best;
}

QString pairText(const Pair &pair, Part part, QStringView joint)
{
    return formatValue(pair.smaller, part) + joint.toString() + formatValue(pair.larger, part) + QStringLiteral(" = ")
           + formatValue(pair.result, part) + QStringLiteral(" (") + formatDeviation(pair.deviation) + u')';
}

} // namespace

Pairs bestPairs(double value, common::Part part, const common::Series &series)
{
    Pairs pairs;
    if (!(value > 0) || !std::isfinite(value))
        return pairs;
    const bool resistor = part == Part::Resistor;
    const PartRange range = resistor ? kResistorParts : kCapacitorParts;
    const std::vector<double> values = common::standardValues(series, range.firstExponent, range.decades);

    const double smallest = values.front();
    const double largest = values.back();
    if (value < smallest / 2 || value > largest * 2) {
        pairs.message = QStringLiteral("Zwei Teile von %1 bis %2 ergeben %3 bis %4.")
                            .arg(formatValue(smallest, part), formatValue(largest, part),
                                 formatValue(smallest / 2, part), formatValue(largest * 2, part));
        return pairs;
    }

    const auto nearest = std::lower_bound(values.begin(), values.end(), value * (1 - kTie));
    if (nearest != values.end() && std::abs(*nearest / value - 1) <= kTie) {
        pairs.single = *nearest;
        pairs.message = formatValue(*nearest, part) + QStringLiteral(" ist ein Normwert der Reihe ")
                        + series.name.toString();
        return pairs;
    }

    pairs.series = bestPair(value, values, resistor ? Combination::Sum : Combination::Reciprocal);
    pairs.parallel = bestPair(value, values, resistor ? Combination::Reciprocal : Combination::Sum);
    if (pairs.series)
        pairs.series->text = pairText(*pairs.series, part, resistor ? u" + " : u" in Reihe mit ");
    if (pairs.parallel)
        pairs.parallel->text = pairText(*pairs.parallel, part, u" \u2225 ");
    return pairs;
}

} // namespace partvalues
