// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "prefixes.h"

#include "numbers.h"

#include <cmath>

namespace converter {

namespace {

constexpr QStringView kGroupedPattern = u"###,##0.00#########################";

} // namespace

QStringView prefixName(QStringView item)
{
    if (item.size() < 4)
        return {};
    return item.sliced(3, item.size() - 4);
}

double decimalFactor(QStringView item, double previous)
{
    const QStringView name = prefixName(item);
    for (const DecimalPrefix &row : kDecimalPrefixes) {
        if (name == row.name)
            return row.factor;
    }
    return previous;
}

double storageFactor(QStringView item)
{
    const QStringView name = prefixName(item);
    int exponent = 0;
    for (const StoragePrefix &row : kStoragePrefixes) {
        if (name == row.name)
            exponent = row.exponent;
    }
    return std::ldexp(1.0, 10 * exponent);
}

std::optional<double> convert(double value, double source, double target)
{
    const double result = value * source / target;
    if (!std::isfinite(result))
        return std::nullopt;
    return result;
}

std::optional<double> convertEntry(QStringView entry, double source, double target)
{
    const std::optional<double> value = common::number(entry);
    if (!value)
        return std::nullopt;
    return convert(*value, source, target);
}

qsizetype commaCount(QStringView entry)
{
    return entry.count(u',');
}

QString unitLabel(QStringView prefixItem, QStringView unit)
{
    QString label = prefixItem.left(1).toString();
    label += unit;
    return label;
}

QString groupedText(QStringView shown)
{
    const std::optional<double> value = common::number(shown);
    if (!value)
        return shown.toString();
    return common::format(*value, kGroupedPattern);
}

} // namespace converter
