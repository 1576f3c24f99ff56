// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "couplingcap.h"

#include <QTest>

using couplingcap::Entry;

// The window's own tests drive the worked values; these are the refusals,
// many of which only pasted text reaches.
class CouplingCapTest : public QObject
{
    Q_OBJECT

private slots:
    void refused_data();
    void refused();
};

void CouplingCapTest::refused_data()
{
    QTest::addColumn<bool>("capacitanceHalf");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("firstUnit");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("secondUnit");
    QTest::addColumn<QString>("warning");
    const QString enter = QStringLiteral("Wert eingeben");
    const QString wrong = QStringLiteral("falscher Wert");
    const QString micro = QStringLiteral("\u00B5F");
    QTest::newRow("left, both empty") << true << "" << "Ohm" << "" << "Hz" << enter;
    QTest::newRow("left, frequency empty") << true << "10" << "k Ohm" << "" << "Hz" << enter;
    QTest::newRow("left, pasted blanks") << true << "  " << "Ohm" << "20" << "Hz" << enter;
    QTest::newRow("left, load zero") << true << "0" << "Ohm" << "20" << "Hz" << wrong;
    QTest::newRow("left, frequency 0,0") << true << "10" << "Ohm" << "0,0" << "Hz" << wrong;
    QTest::newRow("left, lone comma") << true << "," << "Ohm" << "20" << "Hz" << wrong;
    QTest::newRow("left, two commas") << true << "1,2,3" << "Ohm" << "20" << "Hz" << wrong;
    QTest::newRow("left, pasted negative") << true << "-10" << "Ohm" << "20" << "Hz" << wrong;
    QTest::newRow("left, pasted text") << true << "zehn" << "Ohm" << "20" << "Hz" << wrong;
    QTest::newRow("left, upper checked first: wrong before empty") << true << "0" << "Ohm" << "" << "Hz" << wrong;
    QTest::newRow("left, upper checked first: empty before wrong") << true << "" << "Ohm" << "0" << "Hz" << enter;
    QTest::newRow("left, 1E308 M Ohm overflows the scaling") << true << "1E308" << "M Ohm" << "1" << "Hz" << wrong;
    QTest::newRow("left, divisor overflows to infinity") << true << "1E200" << "Ohm" << "1E200" << "Hz" << wrong;
    QTest::newRow("left, divisor underflows to zero") << true << "1E-200" << "Ohm" << "1E-200" << "Hz" << wrong;
    QTest::newRow("left, picofarad field overflows") << true << "1E-150" << "Ohm" << "1E-150" << "Hz" << wrong;
    QTest::newRow("left, unit without blank") << true << "10" << "kOhm" << "20" << "Hz" << wrong;
    QTest::newRow("right, both empty") << false << "" << "Ohm" << "" << micro << enter;
    QTest::newRow("right, capacitance empty") << false << "1" << "k Ohm" << "" << micro << enter;
    QTest::newRow("right, capacitance zero") << false << "1" << "k Ohm" << "00" << "nF" << wrong;
    QTest::newRow("right, load lone comma") << false << "," << "Ohm" << "1" << "nF" << wrong;
    QTest::newRow("right, 1E-320 pF scales to zero") << false << "1" << "Ohm" << "1E-320" << "pF" << wrong;
    QTest::newRow("right, frequency overflows") << false << "1E-300" << "Ohm" << "1E-10" << "pF" << wrong;
    QTest::newRow("right, Greek mu is no unit") << false << "1" << "Ohm" << "1" << "\u03BCF" << wrong;
}

void CouplingCapTest::refused()
{
    QFETCH(bool, capacitanceHalf);
    QFETCH(QString, first);
    QFETCH(QString, firstUnit);
    QFETCH(QString, second);
    QFETCH(QString, secondUnit);
    QFETCH(QString, warning);
    const Entry a{first, firstUnit};
    const Entry b{second, secondUnit};
    if (capacitanceHalf) {
        const auto outcome = couplingcap::capacitance(a, b);
        QVERIFY(!outcome.values);
        QCOMPARE(outcome.warning, warning);
    } else {
        const auto outcome = couplingcap::frequency(a, b);
        QVERIFY(!outcome.values);
        QCOMPARE(outcome.warning, warning);
    }
}

QTEST_GUILESS_MAIN(CouplingCapTest)
#include "tst_couplingcap.moc"
