// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringView>
#include <QTest>

#include <array>

// Known conversions, shared by the arithmetic and the window tests.
namespace workedvalues {

struct Row {
    const char *name;
    bool storage;
    QStringView entry;
    QStringView from;
    QStringView to;
    QStringView plain;
    QStringView grouped;
};

inline constexpr std::array<Row, 12> kRows{{
    {"2,5 Kilo to ohne", false, u"2,5", u"k (Kilo)", u"  (ohne)", u"2500", u"2.500,00"},
    {"1,5 ohne to Milli", false, u"1,5", u"  (ohne)", u"m (Milli)", u"1500", u"1.500,00"},
    {"1 Mikro to Nano, 999,9999999999999 shows 1000", false, u"1", u"\u00b5 (Mikro)", u"n (Nano)",
     u"1000", u"1.000,00"},
    {"1234,5678 ohne to ohne", false, u"1234,5678", u"  (ohne)", u"  (ohne)", u"1234,5678", u"1.234,5678"},
    {"empty entry reads 0", false, u"", u"M (Mega)", u"p (Piko)", u"0", u"0,00"},
    {"1 Tera to Piko, exponent form", false, u"1", u"T (Tera)", u"p (Piko)", u"1E+24",
     u"1.000.000.000.000.000.000.000.000,00"},
    {"0,00001 Piko to Tera, tiny", false, u"0,00001", u"p (Piko)", u"T (Tera)", u"1E-29", u"0,00"},
    {"1 Centi to Dezi", false, u"1", u"c (Centi)", u"d (Dezi)", u"0,1", u"0,10"},
    {"storage 1 Giga to Mega", true, u"1", u"G (Giga)", u"M (Mega)", u"1024", u"1.024,00"},
    {"storage 5 Mega to Kilo", true, u"5", u"M (Mega)", u"k (Kilo)", u"5120", u"5.120,00"},
    {"storage 3 Giga to ohne", true, u"3", u"G (Giga)", u"  (ohne)", u"3221225472", u"3.221.225.472,00"},
    {"storage 1 Kilo to Tera", true, u"1", u"k (Kilo)", u"T (Tera)", u"9,31322574615479E-10",
     u"0,000000000931322574615479"},
}};

// Adds one test row per conversion; current() gives the running one.
inline void addRows()
{
    QTest::addColumn<int>("row");
    for (std::size_t index = 0; index < kRows.size(); ++index)
        QTest::newRow(kRows[index].name) << int(index);
}

inline const Row &current()
{
    QFETCH(int, row);
    return kRows[std::size_t(row)];
}

} // namespace workedvalues
