// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <optional>

// The prefix tables of the converter and its arithmetic, free of widgets.
//
// A prefix list item is one symbol character, a blank and the prefix name in
// parentheses; the item for no prefix starts with two blanks, so the name
// always starts at the fourth character ("µ (Mikro)", "  (ohne)").
namespace converter {

struct DecimalPrefix {
    QStringView item;
    QStringView name;
    double factor; // the double nearest to the power of ten
};

struct StoragePrefix {
    QStringView item;
    QStringView name;
    int exponent; // the factor is 1024 to this power
};

// In list order. The "µ" is the micro sign U+00B5.
inline constexpr std::array<DecimalPrefix, 12> kDecimalPrefixes{{
    {u"  (ohne)", u"ohne", 1.0},
    {u"T (Tera)", u"Tera", 1e12},
    {u"G (Giga)", u"Giga", 1e9},
    {u"M (Mega)", u"Mega", 1e6},
    {u"k (Kilo)", u"Kilo", 1e3},
    {u"h (Hekto)", u"Hekto", 1e2},
    {u"d (Dezi)", u"Dezi", 1e-1},
    {u"c (Centi)", u"Centi", 1e-2},
    {u"m (Milli)", u"Milli", 1e-3},
    {u"\u00b5 (Mikro)", u"Mikro", 1e-6},
    {u"n (Nano)", u"Nano", 1e-9},
    {u"p (Piko)", u"Piko", 1e-12},
}};

// In list order. The exponents start at 1; only their difference shows in a
// conversion.
inline constexpr std::array<StoragePrefix, 5> kStoragePrefixes{{
    {u"  (ohne)", u"ohne", 1},
    {u"k (Kilo)", u"Kilo", 2},
    {u"M (Mega)", u"Mega", 3},
    {u"G (Giga)", u"Giga", 4},
    {u"T (Tera)", u"Tera", 5},
}};

// The prefix name of a list item: from its fourth character up to, without,
// its last one ("µ (Mikro)" gives "Mikro"). Items shorter than that have none.
QStringView prefixName(QStringView item);

// The factor of a decimal prefix item, its name matched exactly with case.
// An item whose name is in no row gives `previous` back unchanged.
double decimalFactor(QStringView item, double previous);

// 1024 to the exponent of a storage prefix item; a name in no row counts as
// exponent 0 and gives 1.
double storageFactor(QStringView item);

// value × source ÷ target, multiplying first (so 1 from Mikro to Nano is
// 999,9999999999999, shown as 1000). Empty unless the result is a finite
// double: an overflow, or 0 ÷ 0 before any factor was set, is no result.
std::optional<double> convert(double value, double source, double target);

// The entry read as a number (German separators) and converted; empty when
// the entry is no number or the result is not finite.
std::optional<double> convertEntry(QStringView entry, double source, double target);

// How many commas the entry holds; a number has at most one.
qsizetype commaCount(QStringView entry);

// A unit label: the symbol of the prefix item (its first character) followed
// by the unit. "k (Kilo)" and "Hz" give "kHz", "  (ohne)" and "Liter" give
// " Liter", no prefix gives the unit alone.
QString unitLabel(QStringView prefixItem, QStringView unit);

// A shown result read back and written with thousands grouping and at least
// two decimals ("2500" gives "2.500,00"). Empty text stays empty, and text
// that is no number is given back unchanged.
QString groupedText(QStringView shown);

} // namespace converter
