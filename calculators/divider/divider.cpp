// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "divider.h"

#include "partvalues.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <mutex>

namespace divider {

namespace {

using common::Part;

// The parts: 1 Ohm to 10 MOhm, as in the pairs of "Bauteilwerte".
constexpr int kFirstExponent = -2;
constexpr int kDecades = 7;
// Deviations this close count as equal, and so do two ratios this close:
// 1,1 Ohm / 1,3 Ohm and 11 Ohm / 13 Ohm differ by a rounding.
constexpr double kTie = 1e-12;
constexpr double kSameRatio = 1e-9;
constexpr double kInfinity = std::numeric_limits<double>::infinity();

bool positive(double value)
{
    return value > 0 && std::isfinite(value);
}

// What the ranking needs of a choice, cheap to sort in thousands.
struct Ranked {
    double r1 = 0;
    double r2 = 0;
    double deviation = 0;
    std::size_t other = 0; // index of R2, or of the leg of two parts
};

// Whether `a` ranks before `b`: nearer to the wanted value, then below it,
// then with the smaller larger part.
bool ranksBefore(const Ranked &a, const Ranked &b)
{
    const double da = std::abs(a.deviation);
    const double db = std::abs(b.deviation);
    if (da < db - kTie)
        return true;
    if (da > db + kTie)
        return false;
    const bool aBelow = a.deviation < 0;
    if (aBelow != (b.deviation < 0))
        return aBelow;
    return std::max(a.r1, a.r2) < std::max(b.r1, b.r2);
}

// The leg that gives the wanted result with the other one fixed, +inf
// where no finite one does (the load alone pulls a divider too low).
double exactR2(const Request &q, double r1)
{
    switch (q.task) {
    case Task::Divider: {
        const double k = q.wanted / q.input;
        const double effective = r1 * k / (1 - k);
        if (!q.load)
            return effective;
        return effective < *q.load ? effective * *q.load / (*q.load - effective) : kInfinity;
    }
    case Task::Amplifier:
        return r1 / (q.wanted - 1);
    case Task::Regulator:
        return (q.wanted - q.reference) / (q.reference / r1 + q.adjustCurrent);
    }
    Q_UNREACHABLE();
}

double exactR1(const Request &q, double r2)
{
    switch (q.task) {
    case Task::Divider: {
        const double k = q.wanted / q.input;
        const double effective = q.load ? r2 * *q.load / (r2 + *q.load) : r2;
        return effective * (1 - k) / k;
    }
    case Task::Amplifier:
        return (q.wanted - 1) * r2;
    case Task::Regulator: {
        const double above = q.wanted - q.adjustCurrent * r2 - q.reference;
        return above > 0 ? q.reference * r2 / above : kInfinity;
    }
    }
    Q_UNREACHABLE();
}

// Bounds of R1 alone: the regulator's cross current Uref / R1.
bool r1InBounds(const Request &q, double r1)
{
    return q.task != Task::Regulator
           || (q.reference / r1 >= q.from * (1 - kTie) && q.reference / r1 <= q.to * (1 + kTie));
}

// Bounds of the other leg once one is fixed.
std::pair<double, double> otherBounds(const Request &q, double fixed, bool fixedIsR1)
{
    if (q.task == Task::Regulator)
        return fixedIsR1 ? std::pair{0.0, kInfinity} : std::pair{q.reference / q.to, q.reference / q.from};
    return {q.from - fixed, q.to - fixed};
}

// A leg of two parts: indices into the single parts.
struct TwoParts {
    double value;
    std::uint16_t first;
    std::uint16_t second;
    bool parallel;
};

// Every leg of two parts of one series, ascending by value.
struct TwoPartTable {
    std::vector<double> values; // the single parts the indices point into
    std::vector<TwoParts> legs;
};

std::shared_ptr<const TwoPartTable> twoPartTable(const common::Series &series)
{
    static std::mutex mutex;
    static std::vector<std::pair<const int *, std::shared_ptr<const TwoPartTable>>> built;
    const std::lock_guard lock(mutex);
    for (const auto &[key, table] : built) {
        if (key == series.hundredths.data())
            return table;
    }
    auto table = std::make_shared<TwoPartTable>();
    table->values = common::standardValues(series, kFirstExponent, kDecades);
    const std::vector<double> &v = table->values;
    table->legs.reserve(v.size() * (v.size() + 1));
    for (std::size_t i = 0; i < v.size(); ++i) {
        for (std::size_t j = i; j < v.size(); ++j) {
            const auto a = static_cast<std::uint16_t>(i);
            const auto b = static_cast<std::uint16_t>(j);
            table->legs.push_back({v[i] + v[j], a, b, false});
            table->legs.push_back({v[i] * v[j] / (v[i] + v[j]), a, b, true});
        }
    }
    std::sort(table->legs.begin(), table->legs.end(),
              [](TwoParts x, TwoParts y) { return x.value < y.value; });
    built.emplace_back(series.hundredths.data(), table);
    return table;
}

// For each fixed part of one leg, the `perSide` parts of `others` (sorted
// by legValue) on each side of the exact partner within the bounds: the
// result moves monotonically with each leg, so the best choices for one
// fixed part lie there. Hands each to `take` as ranked.
template <typename Other, typename LegValue, typename Take>
void gather(const Request &q, const std::vector<double> &fixedParts, bool fixedIsR1, const std::vector<Other> &others,
            LegValue legValue, std::size_t perSide, Take take)
{
    const auto below = [&](const Other &o, double x) { return legValue(o) < x; };
    for (const double fixed : fixedParts) {
        if (fixedIsR1 && !r1InBounds(q, fixed))
            continue;
        const auto [low, high] = otherBounds(q, fixed, fixedIsR1);
        const auto first = std::lower_bound(others.begin(), others.end(), low * (1 - kTie), below);
        const auto last = std::lower_bound(first, others.end(), high * (1 + kTie), below);
        if (first == last)
            continue;
        const double exact = fixedIsR1 ? exactR2(q, fixed) : exactR1(q, fixed);
        const auto at = std::clamp(std::lower_bound(first, last, exact, below), first, last);
        const auto from = at - std::min<std::ptrdiff_t>(at - first, std::ptrdiff_t(perSide));
        const auto to = at + std::min<std::ptrdiff_t>(last - at, std::ptrdiff_t(perSide));
        for (auto o = from; o != to; ++o) {
            const double r1 = fixedIsR1 ? fixed : legValue(*o);
            const double r2 = fixedIsR1 ? legValue(*o) : fixed;
            take(Ranked{r1, r2, resultOf(q, r1, r2) / q.wanted - 1, std::size_t(o - others.begin())});
        }
    }
}

// The best five choices taken so far, best first; where asked for, each
// ratio once, as its pair nearest the middle of the bounds. Taken one by
// one, so that no list of all candidates is kept: two ratios rank equal
// only with the same result, and then they are the same ratio.
class Leaders
{
public:
    Leaders(const Request &q, bool ratioOnce)
        : m_middle(std::sqrt(q.from * q.to))
        , m_ratioOnce(ratioOnce)
    {
    }

    void take(const Ranked &c)
    {
        if (m_ratioOnce) {
            const auto same = std::find_if(m_rows.begin(), m_rows.end(), [&c](const Ranked &r) {
                return std::abs((c.r1 / c.r2) / (r.r1 / r.r2) - 1) <= kSameRatio;
            });
            if (same != m_rows.end()) {
                if (offMiddle(c) < offMiddle(*same))
                    *same = c;
                return;
            }
        }
        m_rows.insert(std::upper_bound(m_rows.begin(), m_rows.end(), c, ranksBefore), c);
        if (m_rows.size() > kBestCount)
            m_rows.pop_back();
    }

    const std::vector<Ranked> &rows() const { return m_rows; }

private:
    double offMiddle(const Ranked &c) const { return std::abs(std::log((c.r1 + c.r2) / m_middle)); }

    double m_middle;
    bool m_ratioOnce;
    std::vector<Ranked> m_rows;
};

} // namespace

double Leg::value() const
{
    if (!second)
        return first;
    return parallel ? first * *second / (first + *second) : first + *second;
}

QString Leg::text() const
{
    QString text = partvalues::formatValue(first, Part::Resistor);
    if (second)
        text += (parallel ? QStringLiteral(" \u2225 ") : QStringLiteral(" + ")) + partvalues::formatValue(*second, Part::Resistor);
    return text;
}

QString refusal(const Request &q)
{
    if (!positive(q.from) || !positive(q.to))
        return QStringLiteral("„von“ und „bis“ müssen größer als 0 sein.");
    if (q.from > q.to)
        return QStringLiteral("„von“ liegt über „bis“.");
    if (!std::isfinite(q.wanted) || (q.task == Task::Divider && !std::isfinite(q.input)))
        return QStringLiteral("Der Wert ist zu groß.");
    switch (q.task) {
    case Task::Divider:
        if (q.wanted == 0 || q.input == 0)
            return QStringLiteral("Ein- und Ausgangsspannung dürfen nicht 0 sein.");
        if ((q.wanted < 0) != (q.input < 0))
            return QStringLiteral("Ein- und Ausgangsspannung brauchen dasselbe Vorzeichen.");
        if (std::abs(q.wanted) >= std::abs(q.input))
            return QStringLiteral("Die Ausgangsspannung muss kleiner als die Eingangsspannung sein.");
        if (q.load && !positive(*q.load))
            return QStringLiteral("Die Last muss größer als 0 sein.");
        break;
    case Task::Amplifier:
        if (!(q.wanted > 1))
            return QStringLiteral("Die Verstärkung muss größer als 1 sein.");
        break;
    case Task::Regulator:
        if (!positive(q.reference))
            return QStringLiteral("Die Referenzspannung muss größer als 0 sein.");
        if (!(q.adjustCurrent >= 0) || !std::isfinite(q.adjustCurrent))
            return QStringLiteral("Der Strom am Einstellanschluss darf nicht negativ sein.");
        if (!(q.wanted > q.reference))
            return QStringLiteral("Die Ausgangsspannung muss größer als die Referenzspannung sein.");
        break;
    }
    return {};
}

double resultOf(const Request &q, double r1, double r2)
{
    switch (q.task) {
    case Task::Divider: {
        const double effective = q.load ? r2 * *q.load / (r2 + *q.load) : r2;
        return q.input * effective / (r1 + effective);
    }
    case Task::Amplifier:
        return 1 + r1 / r2;
    case Task::Regulator:
        return q.reference * (1 + r2 / r1) + q.adjustCurrent * r2;
    }
    Q_UNREACHABLE();
}

Choice choiceOf(const Request &q, const Leg &r1, const Leg &r2)
{
    Choice c{r1, r2, 0, 0, {}, {}, {}};
    const double a = r1.value();
    const double b = r2.value();
    c.result = resultOf(q, a, b);
    c.deviation = c.result / q.wanted - 1;
    switch (q.task) {
    case Task::Divider:
        c.current = (q.input - c.result) / a;
        c.powerR1 = *c.current * *c.current * a;
        c.powerR2 = c.result * c.result / b;
        break;
    case Task::Amplifier:
        if (q.output) {
            c.current = *q.output / (a + b);
            c.powerR1 = *c.current * *c.current * a;
            c.powerR2 = *c.current * *c.current * b;
        }
        break;
    case Task::Regulator: {
        c.current = q.reference / a;
        const double throughR2 = *c.current + q.adjustCurrent;
        c.powerR1 = q.reference * *c.current;
        c.powerR2 = throughR2 * throughR2 * b;
        break;
    }
    }
    return c;
}

Range worstCase(const Request &q, const Choice &c)
{
    const double a = c.r1.value();
    const double b = c.r2.value();
    const double t = q.tolerance;
    const double one = resultOf(q, a * (1 + t), b * (1 - t));
    const double other = resultOf(q, a * (1 - t), b * (1 + t));
    return {std::min(one, other), std::max(one, other)};
}

Choices search(const Request &q)
{
    Choices found;
    found.message = refusal(q);
    if (!found.message.isEmpty())
        return found;

    const std::vector<double> parts = common::standardValues(q.series, kFirstExponent, kDecades);
    Leaders leaders(q, q.task == Task::Amplifier || (q.task == Task::Divider && !q.load));
    gather(q, parts, true, parts, [](double v) { return v; }, kBestCount,
           [&leaders](const Ranked &r) { leaders.take(r); });
    const std::vector<Ranked> &best = leaders.rows();
    for (const Ranked &r : best)
        found.best.push_back(choiceOf(q, {r.r1, {}, false}, {r.r2, {}, false}));
    if (found.best.empty()) {
        found.message = QStringLiteral("Kein Paar der Reihe %1 liegt zwischen „von“ und „bis“.").arg(q.series.name);
        return found;
    }

    if (q.threeResistors) {
        const std::shared_ptr<const TwoPartTable> table = twoPartTable(q.series);
        const auto twoValue = [](TwoParts t) { return t.value; };
        const auto twoLeg = [&table](std::size_t index) {
            const TwoParts &t = table->legs[index];
            return Leg{table->values[t.second], table->values[t.first], t.parallel};
        };
        // The best with R2 of two parts, then the best with R1 of two.
        std::array<std::optional<Ranked>, 2> three;
        for (const bool r1Single : {true, false}) {
            std::optional<Ranked> &leader = three[r1Single ? 0 : 1];
            gather(q, parts, r1Single, table->legs, twoValue, 1, [&leader](const Ranked &r) {
                if (!leader || ranksBefore(r, *leader))
                    leader = r;
            });
        }
        const auto choice = [&](std::size_t which) {
            const Ranked &r = *three[which];
            return which == 0 ? choiceOf(q, {r.r1, {}, false}, twoLeg(r.other))
                              : choiceOf(q, twoLeg(r.other), {r.r2, {}, false});
        };
        const std::size_t better = !three[1] || (three[0] && !ranksBefore(*three[1], *three[0])) ? 0 : 1;
        if (three[better] && std::abs(three[better]->deviation) < std::abs(best.front().deviation) - kTie)
            found.three = choice(better);
    }
    return found;
}

std::optional<double> readResistance(QStringView text)
{
    const partvalues::Readings found = partvalues::read(text, Part::Resistor);
    if (found.readings.empty())
        return {};
    return found.readings.front().value;
}

} // namespace divider
