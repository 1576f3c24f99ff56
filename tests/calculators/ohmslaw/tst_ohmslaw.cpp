// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ohmslaw.h"

#include <QTest>

using ohmslaw::Outcome;

class OhmsLawTest : public QObject
{
    Q_OBJECT

private slots:
    void solve_data();
    void solve();
};

void OhmsLawTest::solve_data()
{
    QTest::addColumn<QString>("voltage");
    QTest::addColumn<QString>("voltageUnit");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("currentUnit");
    QTest::addColumn<QString>("resistance");
    QTest::addColumn<QString>("resistanceUnit");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("message");

    const QString micro = QStringLiteral("\u00B5");
    QTest::newRow("12 V, 2,2 kOhm: current in mA")
        << "12" << "V" << "0" << "mA" << "2,2" << "kOhm" << Outcome::Current << 12.0 / 2.2 << "";
    QTest::newRow("-12 V pasted, 2,2 kOhm: negative current in mA")
        << "-12" << "V" << "0" << "mA" << "2,2" << "kOhm" << Outcome::Current << -12.0 / 2.2 << "";
    QTest::newRow("10 V, 2 mA: resistance in kOhm")
        << "10" << "V" << "2" << "mA" << "0" << "kOhm" << Outcome::Resistance << 5.0 << "";
    QTest::newRow("1 µA, 1 MOhm: voltage in mV")
        << "0" << "mV" << "1" << micro + u'A' << "1" << "MOhm" << Outcome::Voltage << 1000.0 << "";
    QTest::newRow("5 mV, 2,5 µA: resistance in Ohm")
        << "5" << "mV" << "2,5" << micro + u'A' << "0" << "Ohm" << Outcome::Resistance << 2000.0 << "";
    QTest::newRow("2 A, 1.000 Ohm read back with grouping: voltage in V")
        << "0" << "V" << "2" << "A" << "1.000" << "Ohm" << Outcome::Voltage << 2000.0 << "";
    QTest::newRow("all given")
        << "1" << "V" << "1" << "A" << "1" << "Ohm" << Outcome::NothingLeftOpen << 0.0
        << "ein Eintrag muß 0 sein (für Ergebnis)";
    QTest::newRow("all zero, one written 0,0")
        << "0" << "V" << "0,0" << "A" << "0" << "Ohm" << Outcome::AllZero << 0.0 << "alle Ausgangswerte 0";
    QTest::newRow("only the current given")
        << "0" << "V" << "1" << "A" << "0" << "Ohm" << Outcome::CurrentAndResistanceOpen << 0.0
        << "Strom und Widerstand festlegen";
    QTest::newRow("only the resistance given")
        << "0" << "V" << "0" << "A" << "1" << "Ohm" << Outcome::CurrentAndResistanceOpen << 0.0
        << "Strom und Widerstand festlegen";
    QTest::newRow("only the voltage given")
        << "1" << "V" << "0" << "A" << "0" << "Ohm" << Outcome::VoltageAndResistanceOpen << 0.0
        << "Spannung und Widerstand festlegen";
    QTest::newRow("two commas")
        << "1,,2" << "V" << "0" << "A" << "1" << "Ohm" << Outcome::WrongInput << 0.0 << "falsche Eingabe";
    QTest::newRow("blank between digits")
        << "1" << "V" << "0" << "A" << "2 2" << "Ohm" << Outcome::WrongInput << 0.0 << "falsche Eingabe";
    QTest::newRow("1E306 MOhm overflows when scaled")
        << "0" << "V" << "1" << "A" << "1E306" << "MOhm" << Outcome::WrongInput << 0.0 << "falsche Eingabe";
    QTest::newRow("voltage overflows in µV")
        << "0" << micro + u'V' << "1E5" << "A" << "1E300" << "Ohm" << Outcome::WrongInput << 0.0
        << "falsche Eingabe";
    QTest::newRow("current overflows")
        << "1E300" << "V" << "0" << "A" << "1E-300" << "Ohm" << Outcome::WrongInput << 0.0 << "falsche Eingabe";
    QTest::newRow("resistance overflows")
        << "1E300" << "V" << "1E-300" << "A" << "0" << "Ohm" << Outcome::WrongInput << 0.0 << "falsche Eingabe";
}

void OhmsLawTest::solve()
{
    QFETCH(QString, voltage);
    QFETCH(QString, voltageUnit);
    QFETCH(QString, current);
    QFETCH(QString, currentUnit);
    QFETCH(QString, resistance);
    QFETCH(QString, resistanceUnit);
    QFETCH(Outcome, outcome);
    QFETCH(double, value);
    QFETCH(QString, message);

    const ohmslaw::Solution solution =
        ohmslaw::solve({voltage, current, resistance}, {voltageUnit, currentUnit, resistanceUnit});
    QCOMPARE(solution.outcome, outcome);
    QCOMPARE(ohmslaw::message(solution.outcome), message);
    if (ohmslaw::isResult(outcome))
        QCOMPARE(solution.value, value);
}

QTEST_GUILESS_MAIN(OhmsLawTest)
#include "tst_ohmslaw.moc"
