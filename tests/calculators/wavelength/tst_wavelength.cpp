// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

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

// The window's own tests drive the worked values and the usual refusals;
// these are the edges only pasted text reaches.
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
    QTest::newRow("blanks around") << " 2 " << "2,0000" << "149.896.229,0000";
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
    QTest::newRow("blanks only") << "   " << enter;
    QTest::newRow("pasted negative") << "-5" << wrong;
    QTest::newRow("blank between digits") << "1 2" << wrong;
    QTest::newRow("subnormal entry") << "0," + QString(320, u'0') + "1" << wrong;
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
