// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "standardvalues.h"

#include <QStringList>

#include <array>
#include <cmath>
#include <limits>

namespace common {

namespace {

struct PartTable {
    double smallest;
    double largest;
    std::array<Unit, 4> units; // ascending
    std::span<const Series> series;
};

constexpr Series kResistorSeries[] = {kSeriesE12, kSeriesE24, kSeriesE96};
constexpr Series kCapacitorSeries[] = {kSeriesE6, kSeriesE12};

constexpr PartTable kResistors{
    0.01, 1e11, {{{u"Ohm", 0}, {u"kOhm", 3}, {u"MOhm", 6}, {u"GOhm", 9}}}, kResistorSeries};
constexpr PartTable kCapacitors{
    1e-13, 10.0, {{{u"pF", -12}, {u"nF", -9}, {u"\u00B5F", -6}, {u"F", 0}}}, kCapacitorSeries};

// Two values this close in ratio count as equally near: a value computed
// as the geometric mean of two neighbours is off by a rounding at most.
constexpr double kTie = 1e-12;

const PartTable &tableOf(Part part)
{
    // Named, not indexed by the enum's order: a Part added without its
    // table is a compiler warning here.
    switch (part) {
    case Part::Resistor:
        return kResistors;
    case Part::Capacitor:
        return kCapacitors;
    }
    Q_UNREACHABLE();
}

bool inRange(double value, const PartTable &table)
{
    // Written so that NaN is outside too.
    return value >= table.smallest && value <= table.largest;
}

// hundredths × 10^exponent, hundredths from 100 to 999.
struct StandardValue {
    int hundredths = 0;
    int exponent = 0;
};

double powerOfTen(int n)
{
    return std::pow(10.0, n); // exact for the powers used here
}

StandardValue nearest(double value, std::span<const int> hundredths)
{
    // Scaled so that the value's decade runs from 100 to 1000, the series
    // stands there at its own numbers. The neighbouring decades take part
    // as well: the nearest value may be 1000, and log10 may miss the
    // decade by one right at its boundary.
    const int exponent = static_cast<int>(std::floor(std::log10(value))) - 2;
    const double scaled = exponent >= 0 ? value / powerOfTen(exponent) : value * powerOfTen(-exponent);

    double below = 0.0;
    double above = std::numeric_limits<double>::infinity();
    StandardValue lower;
    StandardValue upper;
    for (int decade = -1; decade <= 1; ++decade) {
        for (const int h : hundredths) {
            const double candidate = decade < 0 ? h / 10.0 : (decade > 0 ? h * 10.0 : double(h));
            if (candidate <= scaled && candidate > below) {
                below = candidate;
                lower = {h, exponent + decade};
            }
            if (candidate >= scaled && candidate < above) {
                above = candidate;
                upper = {h, exponent + decade};
            }
        }
    }
    // The upper one is nearer by ratio when above / scaled < scaled / below.
    return below * above <= scaled * scaled * (1.0 + kTie) ? upper : lower;
}

} // namespace

std::vector<double> standardValues(const Series &series, int firstExponent, int decades)
{
    // Both factors are exact doubles, so one multiplication or division
    // rounds once, to the nearest double.
    const auto value = [](int hundredths, int exponent) {
        return exponent >= 0 ? hundredths * powerOfTen(exponent) : hundredths / powerOfTen(-exponent);
    };
    std::vector<double> values;
    values.reserve(series.hundredths.size() * std::size_t(decades) + 1);
    for (int decade = 0; decade < decades; ++decade) {
        for (const int h : series.hundredths)
            values.push_back(value(h, firstExponent + decade));
    }
    values.push_back(value(100, firstExponent + decades));
    return values;
}

QString writtenInUnit(QStringView digits, int exponent, Part part)
{
    return writtenInUnit(digits, exponent, tableOf(part).units);
}

QString writtenInUnit(QStringView digits, int exponent, std::span<const Unit> units)
{
    if (digits == u"0")
        return QStringLiteral("0 ") + units.front().name.toString();
    Unit unit = units.front();
    for (const Unit &candidate : units) {
        if (candidate.exponent <= exponent)
            unit = candidate;
    }
    QString text = digits.toString();
    const qsizetype before = exponent - unit.exponent + 1; // digits before the comma
    if (before <= 0)
        text = QStringLiteral("0,") + QString(-before, u'0') + text;
    else if (before >= text.size())
        text.append(QString(before - text.size(), u'0'));
    else
        text.insert(before, u',');
    if (text.contains(u',')) {
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(u','))
            text.chop(1);
    }
    return text + u' ' + unit.name.toString();
}

QString nearestStandardValue(double value, Part part, const Series &series)
{
    const PartTable &table = tableOf(part);
    if (!inRange(value, table))
        return {};
    const StandardValue standard = nearest(value, series.hundredths);
    // hundredths has three digits, the first for 10^(exponent + 2).
    return writtenInUnit(QString::number(standard.hundredths), standard.exponent + 2, part);
}

QString nearestStandardValues(double value, Part part)
{
    const PartTable &table = tableOf(part);
    if (!inRange(value, table))
        return {};
    QStringList lines{QStringLiteral("Nächste Normwerte:")};
    for (const Series &series : table.series)
        lines.append(series.name.toString() + QStringLiteral(": ") + nearestStandardValue(value, part, series));
    return lines.join(u'\n');
}

} // namespace common
