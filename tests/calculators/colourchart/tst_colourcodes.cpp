// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "colourcodes.h"

#include <QTest>

#include <optional>

using colourchart::colourNumber;

class ColourCodesTest : public QObject
{
    Q_OBJECT

private slots:
    void colourNumbers_data();
    void colourNumbers();
};

void ColourCodesTest::colourNumbers_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<std::optional<quint32>>("number");

    QTest::newRow("red, red byte last") << u"&H000000FF&"_qs << std::optional<quint32>(0x0000FF);
    QTest::newRow("blue, blue byte first") << u"&H00FF0000&"_qs << std::optional<quint32>(0xFF0000);
    QTest::newRow("white") << u"&H00FFFFFF&"_qs << std::optional<quint32>(0xFFFFFF);
    QTest::newRow("black") << u"&H00000000&"_qs << std::optional<quint32>(0);
    QTest::newRow("Label18 brown") << u"&H00404080&"_qs << std::optional<quint32>(0x404080);
    QTest::newRow("lower-case digits") << u"&H00ff0000&"_qs << std::optional<quint32>();
    QTest::newRow("without closing &") << u"&H00FF0000"_qs << std::optional<quint32>();
    QTest::newRow("seven digits") << u"&H0FF0000&"_qs << std::optional<quint32>();
    QTest::newRow("lower-case h") << u"&h00FF0000&"_qs << std::optional<quint32>();
    QTest::newRow("not a hex digit") << u"&H00FG0000&"_qs << std::optional<quint32>();
    QTest::newRow("leading byte set") << u"&H80000005&"_qs << std::optional<quint32>();
    QTest::newRow("empty") << QString() << std::optional<quint32>();
}

void ColourCodesTest::colourNumbers()
{
    QFETCH(QString, code);
    QFETCH(std::optional<quint32>, number);
    QCOMPARE(colourNumber(code), number);
}

QTEST_GUILESS_MAIN(ColourCodesTest)
#include "tst_colourcodes.moc"
