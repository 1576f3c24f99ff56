// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "resistorcode.h"

#include <QTest>

#include <vector>

using resistorcode::ColourValue;

namespace {

enum class Table { Digits, Multipliers, Tolerances };

std::span<const ColourValue> tableOf(Table table)
{
    switch (table) {
    case Table::Digits:
        return resistorcode::kDigits;
    case Table::Multipliers:
        return resistorcode::kMultipliers;
    case Table::Tolerances:
        return resistorcode::kTolerances;
    }
    return {};
}

} // namespace

Q_DECLARE_METATYPE(Table)

class ResistorCodeTest : public QObject
{
    Q_OBJECT

private slots:
    void tables_data();
    void tables();
    void unknownColourIsZero_data();
    void unknownColourIsZero();
    void significantFigures_data();
    void significantFigures();
    void readings_data();
    void readings();
};

void ResistorCodeTest::tables_data()
{
    QTest::addColumn<Table>("table");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("colour");
    QTest::addColumn<double>("value");

    const QStringList digits{u"schwarz"_qs, u"braun"_qs, u"rot"_qs, u"orange"_qs, u"gelb"_qs,
                             u"grün"_qs, u"blau"_qs, u"violett"_qs, u"grau"_qs, u"weiß"_qs};
    for (int i = 0; i < digits.size(); ++i)
        QTest::addRow("digit %s", qPrintable(digits[i])) << Table::Digits << i << digits[i] << double(i);

    const QStringList multipliers{u"silber"_qs, u"gold"_qs, u"schwarz"_qs, u"braun"_qs,
                                  u"rot"_qs, u"orange"_qs, u"gelb"_qs, u"grün"_qs,
                                  u"blau"_qs, u"violett"_qs, u"grau"_qs, u"weiß"_qs};
    const double multiplierValues[] = {0.01, 0.1, 1, 10, 100, 1000, 10000, 100000,
                                       1000000, 10000000, 100000000, 1000000000};
    for (int i = 0; i < multipliers.size(); ++i)
        QTest::addRow("multiplier %s", qPrintable(multipliers[i]))
            << Table::Multipliers << i << multipliers[i] << multiplierValues[i];

    QTest::newRow("tolerance keine") << Table::Tolerances << 0 << u"keine"_qs << 20.0;
    QTest::newRow("tolerance silber") << Table::Tolerances << 1 << u"silber"_qs << 10.0;
    QTest::newRow("tolerance gold") << Table::Tolerances << 2 << u"gold"_qs << 5.0;
    QTest::newRow("tolerance braun") << Table::Tolerances << 3 << u"braun"_qs << 1.0;
    QTest::newRow("tolerance rot") << Table::Tolerances << 4 << u"rot"_qs << 2.0;
    QTest::newRow("tolerance grün") << Table::Tolerances << 5 << u"grün"_qs << 0.5;
    QTest::newRow("tolerance blau") << Table::Tolerances << 6 << u"blau"_qs << 0.25;
    QTest::newRow("tolerance violett") << Table::Tolerances << 7 << u"violett"_qs << 0.1;
    QTest::newRow("tolerance grau") << Table::Tolerances << 8 << u"grau"_qs << 0.05;
}

// Each row in its place with its exact name and value, and found by lookup.
void ResistorCodeTest::tables()
{
    QFETCH(Table, table);
    QFETCH(int, row);
    QFETCH(QString, colour);
    QFETCH(double, value);

    const std::span<const ColourValue> rows = tableOf(table);
    QCOMPARE(rows[std::size_t(row)].colour.toString(), colour);
    QCOMPARE(rows[std::size_t(row)].value, value);
    QCOMPARE(resistorcode::lookup(colour, rows), value);
}

void ResistorCodeTest::unknownColourIsZero_data()
{
    QTest::addColumn<Table>("table");
    QTest::addColumn<QString>("colour");

    QTest::newRow("capital letter") << Table::Digits << u"Grün"_qs;
    QTest::newRow("umlaut spelt out") << Table::Digits << u"gruen"_qs;
    QTest::newRow("ss for sharp s") << Table::Multipliers << u"weiss"_qs;
    QTest::newRow("trailing blank") << Table::Multipliers << u"rot "_qs;
    QTest::newRow("empty") << Table::Tolerances << QString();
    QTest::newRow("digit colour not a tolerance") << Table::Tolerances << u"schwarz"_qs;
    QTest::newRow("no tolerance ring is no digit") << Table::Digits << u"keine"_qs;
}

void ResistorCodeTest::unknownColourIsZero()
{
    QFETCH(Table, table);
    QFETCH(QString, colour);
    QCOMPARE(resistorcode::lookup(colour, tableOf(table)), 0.0);
}

void ResistorCodeTest::significantFigures_data()
{
    QTest::addColumn<std::vector<double>>("digits");
    QTest::addColumn<double>("figures");

    QTest::newRow("4, 7") << std::vector<double>{4, 7} << 47.0;
    QTest::newRow("1, 0") << std::vector<double>{1, 0} << 10.0;
    QTest::newRow("unknown first digit") << std::vector<double>{0, 5} << 5.0;
    QTest::newRow("1, 0, 0") << std::vector<double>{1, 0, 0} << 100.0;
    QTest::newRow("9, 9, 9") << std::vector<double>{9, 9, 9} << 999.0;
    QTest::newRow("4, 7, 5") << std::vector<double>{4, 7, 5} << 475.0;
}

void ResistorCodeTest::significantFigures()
{
    QFETCH(std::vector<double>, digits);
    QFETCH(double, figures);
    QCOMPARE(resistorcode::significantFigures(digits), figures);
}

void ResistorCodeTest::readings_data()
{
    QTest::addColumn<QStringList>("digits");
    QTest::addColumn<QString>("multiplier");
    QTest::addColumn<QString>("tolerance");
    QTest::addColumn<QString>("ohm");
    QTest::addColumn<QString>("kiloOhm");
    QTest::addColumn<QString>("megaOhm");
    QTest::addColumn<QString>("percent");

    QTest::newRow("largest five-ring value")
        << QStringList{u"weiß"_qs, u"weiß"_qs, u"weiß"_qs} << u"weiß"_qs << u"grün"_qs
        << u"999.000.000.000,0"_qs << u"999.000.000,00"_qs << u"999.000,00"_qs << u"0,5"_qs;
    QTest::newRow("2,2 M Ohm, 0,25 %")
        << QStringList{u"rot"_qs, u"rot"_qs} << u"grün"_qs << u"blau"_qs
        << u"2.200.000,0"_qs << u"2.200,00"_qs << u"2,20"_qs << u"0,25"_qs;
    QTest::newRow("47,5 Ohm, 0,1 %")
        << QStringList{u"gelb"_qs, u"violett"_qs, u"grün"_qs} << u"gold"_qs << u"violett"_qs
        << u"47,5"_qs << u"0,05"_qs << u"0,00"_qs << u"0,1"_qs;
    QTest::newRow("unknown multiplier gives 0")
        << QStringList{u"rot"_qs, u"rot"_qs} << u"Rot"_qs << u"rot"_qs
        << u"0,0"_qs << u"0,00"_qs << u"0,00"_qs << u"2"_qs;
}

void ResistorCodeTest::readings()
{
    QFETCH(QStringList, digits);
    QFETCH(QString, multiplier);
    QFETCH(QString, tolerance);
    QFETCH(QString, ohm);
    QFETCH(QString, kiloOhm);
    QFETCH(QString, megaOhm);
    QFETCH(QString, percent);

    const std::vector<QString> colours(digits.cbegin(), digits.cend());
    const resistorcode::Reading reading = resistorcode::read(colours, multiplier, tolerance);
    QCOMPARE(reading.ohm, ohm);
    QCOMPARE(reading.kiloOhm, kiloOhm);
    QCOMPARE(reading.megaOhm, megaOhm);
    QCOMPARE(reading.tolerance, percent);
}

QTEST_GUILESS_MAIN(ResistorCodeTest)
#include "tst_resistorcode.moc"
