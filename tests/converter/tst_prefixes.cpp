// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "numbers.h"
#include "prefixes.h"
#include "workedvalues.h"

#include <QTest>

#include <cstdlib>

using namespace converter;

class PrefixesTest : public QObject
{
    Q_OBJECT

private slots:
    void prefixNames_data();
    void prefixNames();
    void decimalFactors_data();
    void decimalFactors();
    void storageFactors_data();
    void storageFactors();
    void workedValues_data();
    void workedValues();
    void noResult_data();
    void noResult();
    void grouped_data();
    void grouped();
};

void PrefixesTest::prefixNames_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("name");
    QTest::newRow("micro sign") << QStringLiteral("\u00b5 (Mikro)") << QStringLiteral("Mikro");
    QTest::newRow("no prefix, two blanks") << QStringLiteral("  (ohne)") << QStringLiteral("ohne");
    QTest::newRow("five letters") << QStringLiteral("h (Hekto)") << QStringLiteral("Hekto");
    QTest::newRow("no closing parenthesis cuts a letter") << QStringLiteral("k (Kilo") << QStringLiteral("Kil");
    QTest::newRow("four characters") << QStringLiteral("x ()") << QString();
    QTest::newRow("too short") << QStringLiteral("k (") << QString();
    QTest::newRow("empty") << QString() << QString();
}

void PrefixesTest::prefixNames()
{
    QFETCH(QString, item);
    QFETCH(QString, name);
    QCOMPARE(prefixName(item).toString(), name);
}

void PrefixesTest::decimalFactors_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QByteArray>("power"); // empty: no match, the factor stays
    QTest::newRow("ohne") << QStringLiteral("  (ohne)") << QByteArray("1");
    QTest::newRow("Tera") << QStringLiteral("T (Tera)") << QByteArray("1e12");
    QTest::newRow("Giga") << QStringLiteral("G (Giga)") << QByteArray("1e9");
    QTest::newRow("Mega") << QStringLiteral("M (Mega)") << QByteArray("1e6");
    QTest::newRow("Kilo") << QStringLiteral("k (Kilo)") << QByteArray("1e3");
    QTest::newRow("Hekto") << QStringLiteral("h (Hekto)") << QByteArray("1e2");
    QTest::newRow("Dezi") << QStringLiteral("d (Dezi)") << QByteArray("1e-1");
    QTest::newRow("Centi") << QStringLiteral("c (Centi)") << QByteArray("1e-2");
    QTest::newRow("Milli") << QStringLiteral("m (Milli)") << QByteArray("1e-3");
    QTest::newRow("Mikro") << QStringLiteral("\u00b5 (Mikro)") << QByteArray("1e-6");
    QTest::newRow("Nano") << QStringLiteral("n (Nano)") << QByteArray("1e-9");
    QTest::newRow("Piko") << QStringLiteral("p (Piko)") << QByteArray("1e-12");
    QTest::newRow("wrong case") << QStringLiteral("k (kilo)") << QByteArray();
    QTest::newRow("unknown name") << QStringLiteral("x (Exa)") << QByteArray();
    QTest::newRow("name one place off") << QStringLiteral("k(Kilo)") << QByteArray();
    QTest::newRow("empty") << QString() << QByteArray();
}

void PrefixesTest::decimalFactors()
{
    QFETCH(QString, item);
    QFETCH(QByteArray, power);
    const double previous = 42.0;
    // strtod rounds to the nearest double, which is what each factor must be.
    const double expected = power.isEmpty() ? previous : std::strtod(power.constData(), nullptr);
    QVERIFY2(decimalFactor(item, previous) == expected, power.constData());
}

void PrefixesTest::storageFactors_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<double>("factor");
    QTest::newRow("ohne is 1024^1") << QStringLiteral("  (ohne)") << 1024.0;
    QTest::newRow("Kilo is 1024^2") << QStringLiteral("k (Kilo)") << 1048576.0;
    QTest::newRow("Mega is 1024^3") << QStringLiteral("M (Mega)") << 1073741824.0;
    QTest::newRow("Giga is 1024^4") << QStringLiteral("G (Giga)") << 1099511627776.0;
    QTest::newRow("Tera is 1024^5") << QStringLiteral("T (Tera)") << 1125899906842624.0;
    QTest::newRow("decimal-only name counts as 1024^0") << QStringLiteral("m (Milli)") << 1.0;
    QTest::newRow("empty counts as 1024^0") << QString() << 1.0;
}

void PrefixesTest::storageFactors()
{
    QFETCH(QString, item);
    QFETCH(double, factor);
    QVERIFY2(storageFactor(item) == factor, qPrintable(item));
}

void PrefixesTest::workedValues_data()
{
    workedvalues::addRows();
}

void PrefixesTest::workedValues()
{
    const workedvalues::Row &row = workedvalues::current();
    const double source = row.storage ? storageFactor(row.from) : decimalFactor(row.from, 0.0);
    const double target = row.storage ? storageFactor(row.to) : decimalFactor(row.to, 0.0);
    // The window writes "0" into an empty entry before it reads it.
    const std::optional<double> result =
        convertEntry(row.entry.isEmpty() ? QStringLiteral("0") : row.entry.toString(), source, target);
    QVERIFY(result);
    const QString shown = common::general(*result);
    QCOMPARE(shown, row.plain.toString());
    QCOMPARE(groupedText(shown), row.grouped.toString());
}

void PrefixesTest::noResult_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<double>("source");
    QTest::addColumn<double>("target");
    QTest::newRow("lone comma") << QStringLiteral(",") << 1.0 << 1.0;
    QTest::newRow("two commas") << QStringLiteral("1,,5") << 1.0 << 1.0;
    QTest::newRow("blank between digits") << QStringLiteral("1 2") << 1.0 << 1.0;
    QTest::newRow("pasted letters") << QStringLiteral("abc") << 1.0 << 1.0;
    QTest::newRow("entry beyond the double range") << QStringLiteral("1E400") << 1.0 << 1.0;
    QTest::newRow("1E300 from Tera to Piko") << QStringLiteral("1E300") << 1e12 << 1e-12;
    QTest::newRow("product overflows before the division") << QStringLiteral("1E300") << 1e12 << 1e12;
    QTest::newRow("factors still 0") << QStringLiteral("5") << 0.0 << 0.0;
}

void PrefixesTest::noResult()
{
    QFETCH(QString, entry);
    QFETCH(double, source);
    QFETCH(double, target);
    QVERIFY(!convertEntry(entry, source, target));
}

void PrefixesTest::grouped_data()
{
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("grouped");
    QTest::newRow("negative, from a pasted entry") << QStringLiteral("-2500") << QStringLiteral("-2.500,00");
    QTest::newRow("exponent form") << QStringLiteral("1,23456789012346E+15")
                                   << QStringLiteral("1.234.567.890.123.460,00");
    QTest::newRow("already grouped") << QStringLiteral("2.500,00") << QStringLiteral("2.500,00");
    QTest::newRow("empty stays empty") << QString() << QString();
}

void PrefixesTest::grouped()
{
    QFETCH(QString, shown);
    QFETCH(QString, grouped);
    QCOMPARE(groupedText(shown), grouped);
}

QTEST_GUILESS_MAIN(PrefixesTest)
#include "tst_prefixes.moc"
