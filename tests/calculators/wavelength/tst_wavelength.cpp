#include "wavelength.h"

#include "numbers.h"

#include <QTest>

// Integer digits with a full stop between every group of three.
static QString grouped(QString digits)
{
    for (qsizetype i = digits.size() - 3; i > 0; i -= 3)
        digits.insert(i, u'.');
    return digits;
}

class WavelengthTest : public QObject
{
    Q_OBJECT

private slots:
    void converts_data();
    void converts();
    void refuses_data();
    void refuses();
};

void WavelengthTest::converts_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("entryShown");
    QTest::addColumn<QString>("resultShown");
    QTest::newRow("100 MHz") << "100000000" << "100.000.000,0000" << "2,9979";
    QTest::newRow("7,1 MHz") << "7100000" << "7.100.000,0000" << "42,2243";
    QTest::newRow("1 Hz") << "1" << "1,0000" << "299.792.458,0000";
    QTest::newRow("1 THz") << "1000000000000" << "1.000.000.000.000,0000" << "0,0003";
    QTest::newRow("2 m") << "2" << "2,0000" << "149.896.229,0000";
    QTest::newRow("300 m") << "300" << "300,0000" << "999.308,1933";
    QTest::newRow("0,001 Hz") << "0,001" << "0,0010" << "299.792.458.000,0000";
    QTest::newRow("rewritten entry read again") << "100.000.000,0000" << "100.000.000,0000" << "2,9979";
    QTest::newRow("blanks around") << " 2 " << "2,0000" << "149.896.229,0000";
    QTest::newRow("result below 0,00005") << "10000000000000" << "10.000.000.000.000,0000" << "0,0000";
    QTest::newRow("quotient near the top of the double range")
        << "1,7E-300" << "0,0000" << grouped("176348504705882" + QString(294, u'0')) + ",0000";
}

void WavelengthTest::converts()
{
    QFETCH(QString, entry);
    QFETCH(QString, entryShown);
    QFETCH(QString, resultShown);
    const wavelength::Conversion conversion = wavelength::convert(entry);
    QVERIFY2(conversion.entry, qPrintable(conversion.warning));
    QCOMPARE(common::format(*conversion.entry, wavelength::kPattern), entryShown);
    const auto readBack = common::number(common::general(conversion.quotient));
    QVERIFY(readBack);
    QCOMPARE(common::format(*readBack, wavelength::kPattern), resultShown);
}

void WavelengthTest::refuses_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("warning");
    const QString enter = QStringLiteral("Wert eingeben");
    const QString wrong = QStringLiteral("falscher Wert");
    QTest::newRow("empty") << "" << enter;
    QTest::newRow("blanks only") << "   " << enter;
    QTest::newRow("0") << "0" << wrong;
    QTest::newRow("00") << "00" << wrong;
    QTest::newRow("0,000") << "0,000" << wrong;
    QTest::newRow("lone comma") << "," << wrong;
    QTest::newRow("1,2,3") << "1,2,3" << wrong;
    QTest::newRow("pasted text") << "Hallo" << wrong;
    QTest::newRow("pasted negative") << "-5" << wrong;
    QTest::newRow("quotient past the double range") << "0," + QString(320, u'0') + "1" << wrong;
    QTest::newRow("quotient just past the double range") << "1E-301" << wrong;
}

void WavelengthTest::refuses()
{
    QFETCH(QString, entry);
    QFETCH(QString, warning);
    const wavelength::Conversion conversion = wavelength::convert(entry);
    QVERIFY(!conversion.entry);
    QCOMPARE(conversion.warning, warning);
}

QTEST_GUILESS_MAIN(WavelengthTest)
#include "tst_wavelength.moc"
