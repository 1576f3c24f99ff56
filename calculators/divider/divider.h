// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "standardvalues.h"

#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

// Two standard resistors R1 and R2 for a wanted voltage divider, gain of a
// non-inverting amplifier or output of an adjustable regulator, with a load,
// their tolerance and, where it helps, a third resistor. Pure functions, no
// widgets; values in volt, ampere, ohm and watt; all texts German with the
// decimal comma whatever the locale.
namespace divider {

enum class Task {
    Divider,   // R1 from Ue to the output, R2 from the output to ground
    Amplifier, // R1 from the output to the inverting input, R2 from there to ground
    Regulator, // R1 from the output to the adjust pin, R2 from there to ground
};

// What the two resistors are to make.
struct Request {
    Task task = Task::Divider;
    double wanted = 0; // Ua in V; for the amplifier the gain V
    double input = 0;  // divider: Ue in V
    std::optional<double> load;   // divider: RL on the output in ohm
    std::optional<double> output; // amplifier: Ua, for the current and powers only
    double reference = 1.25;       // regulator: Uref in V
    double adjustCurrent = 50e-6; // regulator: Iadj in A
    // Divider and amplifier: bounds of R1 + R2 in ohm; regulator: bounds
    // of the cross current Uref / R1 in A.
    double from = 0;
    double to = 0;
    common::Series series = common::kSeriesE24;
    double tolerance = 0.05; // of every resistor, as a fraction
    bool threeResistors = false;
};

// One side of the circuit: a standard part, or two in series or parallel.
struct Leg {
    double first = 0;
    std::optional<double> second;
    bool parallel = false;

    double value() const;
    // "18 kOhm", "18 kOhm + 120 Ohm", "22 kOhm ∥ 220 kOhm"
    QString text() const;
};

// One choice of R1 and R2 and what it gives.
struct Choice {
    Leg r1;
    Leg r2;
    double result = 0;    // Ua in V, or the gain
    double deviation = 0; // result / wanted - 1
    // The current into the divider: through R1 (divider, regulator) or
    // through R1 and R2 (amplifier); empty for an amplifier without output
    // voltage, like the powers.
    std::optional<double> current;
    std::optional<double> powerR1;
    std::optional<double> powerR2;
};

// Why a request cannot be met, as one short German line; empty when it can.
// Refuses Ua not below Ue or of the other sign, V not above 1, Ua not
// above Uref, "von" above "bis", bounds and values that are not positive
// and finite, and a tolerance outside 0 to 50 %.
QString refusal(const Request &request);

// The result of R1 and R2 (ohm) for the request's task, with the load on
// the divider and Iadj on the regulator:
// divider Ua = Ue · R2' / (R1 + R2'), R2' = R2 ∥ RL;
// amplifier V = 1 + R1 / R2; regulator Ua = Uref · (1 + R2 / R1) + Iadj · R2.
double resultOf(const Request &request, double r1, double r2);

// A choice with everything the window shows of it.
Choice choiceOf(const Request &request, const Leg &r1, const Leg &r2);

// The lowest and highest result when each resistor lies at the opposite
// end of the tolerance (a leg of two parts as a whole), the load exact.
struct Range {
    double lowest = 0;
    double highest = 0;
};
Range worstCase(const Request &request, const Choice &choice);

// How many choices search() lists, besides the one with three resistors.
inline constexpr std::size_t kBestCount = 5;

struct Choices {
    // The best five, best first: best is the smallest |deviation|;
    // deviations within 1e-12 tie, and a tie goes to the result below the
    // wanted one, then to the smaller larger part. Without a load, the
    // divider and the amplifier list each ratio once, as its pair whose
    // R1 + R2 lies nearest the geometric middle of the bounds (by ratio).
    std::vector<Choice> best;
    // Where asked for: the best choice with one leg of two parts, when it
    // beats best.front().
    std::optional<Choice> three;
    QString message; // refusal(), or why no pair lies within the bounds
};

// The search over parts of the request's series from 1 Ohm to 10 MOhm
// (a leg of two parts from 0,5 Ohm to 20 MOhm), within the bounds. For
// each part of one leg, a binary search in the sorted values of the other
// leg finds the parts around the exact partner; no loop over all pairs.
// The three-resistor search uses a sorted table of every two-part leg of
// the series, built at its first use and kept for the program's run (E192:
// 1,8 million legs, about 29 MB, built in a few hundred milliseconds).
// Example: 5 V from 12 V in E24 within 10 to 100 kOhm gives 18 kOhm /
// 13 kOhm (5,032 V, +0,65 %), then 51 kOhm / 36 kOhm (4,966 V, −0,69 %).
Choices search(const Request &request);

// Reads a resistance as "Bauteilwerte" does ("4,7k", "10 kOhm", "4K7"),
// its most likely reading. Empty when the text has none or is blank.
std::optional<double> readResistance(QStringView text);

} // namespace divider
