#include "couplingcap.h"

#include "numbers.h"

#include <QTest>

using couplingcap::Entry;

// What a result field shows: the general form read back, then the pattern.
static QString shown(double value, QStringView pattern)
{
    return common::format(*common::number(common::general(value)), pattern);
}

class CouplingCapTest : public QObject
{
    Q_OBJECT

private slots:
    void capacitance_data();
    void capacitance();
    void frequency_data();
    void frequency();
    void refused_data();
    void refused();
};

void CouplingCapTest::capacitance_data()
{
    QTest::addColumn<QString>("load");
    QTest::addColumn<QString>("loadUnit");
    QTest::addColumn<QString>("cutoff");
    QTest::addColumn<QString>("cutoffUnit");
    QTest::addColumn<QStringList>("expected"); // F, µF, nF, pF
    QTest::newRow("10 k Ohm, 20 Hz (the constant sets the last farad digits)")
        << "10" << "k Ohm" << "20" << "Hz" << QStringList{"0,000000795774729", "0,80", "795,77", "795775"};
    QTest::newRow("1 M Ohm, 1 MHz") << "1" << "M Ohm" << "1" << "MHz"
                                   << QStringList{"0,000000000000159", "0,00", "0,00", "0"};
    QTest::newRow("1 Ohm, 50 Hz") << "1" << "Ohm" << "50" << "Hz"
                                 << QStringList{"0,003183098916136", "3183,10", "3183098,92", "3183098916"};
    QTest::newRow("4,7 k Ohm, 1 kHz") << "4,7" << "k Ohm" << "1" << "kHz"
                                     << QStringList{"0,000000033862754", "0,03", "33,86", "33863"};
    QTest::newRow("100 Ohm, 1 MHz") << "100" << "Ohm" << "1" << "MHz"
                                   << QStringList{"0,000000001591549", "0,00", "1,59", "1592"};
    QTest::newRow("1 Ohm, 1 Hz") << "1" << "Ohm" << "1" << "Hz"
                                << QStringList{"0,159154945806786", "159154,95", "159154945,81", "159154945807"};
}

void CouplingCapTest::capacitance()
{
    QFETCH(QString, load);
    QFETCH(QString, loadUnit);
    QFETCH(QString, cutoff);
    QFETCH(QString, cutoffUnit);
    QFETCH(QStringList, expected);
    const auto outcome = couplingcap::capacitance({load, loadUnit}, {cutoff, cutoffUnit});
    QVERIFY2(outcome.values, qPrintable(outcome.warning));
    const couplingcap::Capacitance &c = *outcome.values;
    const QStringList texts{shown(c.farad, u"0.000000000000000"), shown(c.microfarad, u"0.00"),
                            shown(c.nanofarad, u"0.00"), shown(c.picofarad, u"0")};
    QCOMPARE(texts, expected);
}

void CouplingCapTest::frequency_data()
{
    QTest::addColumn<QString>("load");
    QTest::addColumn<QString>("loadUnit");
    QTest::addColumn<QString>("capacitance");
    QTest::addColumn<QString>("capacitanceUnit");
    QTest::addColumn<QStringList>("expected"); // Hz, kHz, MHz
    QTest::newRow("1 k Ohm, 1 µF") << "1" << "k Ohm" << "1" << "\u00B5F" << QStringList{"159", "0,16", "0,00"};
    QTest::newRow("100 Ohm, 100 nF") << "100" << "Ohm" << "100" << "nF" << QStringList{"15915", "15,92", "0,02"};
    QTest::newRow("1 M Ohm, 4,7 pF") << "1" << "M Ohm" << "4,7" << "pF" << QStringList{"33863", "33,86", "0,03"};
    QTest::newRow("10 Ohm, 1 pF") << "10" << "Ohm" << "1" << "pF"
                                 << QStringList{"15915494581", "15915494,58", "15915,49"};
    QTest::newRow("2,2 k Ohm, 10 µF") << "2,2" << "k Ohm" << "10" << "\u00B5F" << QStringList{"7", "0,01", "0,00"};
}

void CouplingCapTest::frequency()
{
    QFETCH(QString, load);
    QFETCH(QString, loadUnit);
    QFETCH(QString, capacitance);
    QFETCH(QString, capacitanceUnit);
    QFETCH(QStringList, expected);
    const auto outcome = couplingcap::frequency({load, loadUnit}, {capacitance, capacitanceUnit});
    QVERIFY2(outcome.values, qPrintable(outcome.warning));
    const couplingcap::Frequency &f = *outcome.values;
    const QStringList texts{shown(f.hertz, u"0"), shown(f.kilohertz, u"0.00"), shown(f.megahertz, u"0.00")};
    QCOMPARE(texts, expected);
}

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
