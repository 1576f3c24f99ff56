// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dividerwindow.h"
#include "steps.h"
#include "useractions.h"

#include <QTableWidget>
#include <QTest>

// Typing fills the table of the best choices, with no button, and the
// selected row is the one drawn.
class DividerWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void typingFillsTable();
};

void DividerWindowTest::typingFillsTable()
{
    testing::WindowFixture<Form12> window;
    QVERIFY(window.open());
    QCOMPARE(testing::doSteps(window.get(), {u"Text1=12 V"_qs, u"Text2=5"_qs}), QString());
    const auto *table = testing::child<QTableWidget>(window.get(), u"Table1"_qs);
    QStringList first;
    for (int column = 0; column < table->columnCount(); ++column)
        first << table->item(0, column)->text();
    QCOMPARE(first.join(u" | "), u"18 kOhm | 13 kOhm | 5,032 V | +0,65 % | 0,3871 mA | 2,697 mW | 1,948 mW"_qs);
    const auto *picture = testing::child<QWidget>(window.get(), u"Picture1"_qs);
    QCOMPARE(picture->accessibleDescription(),
             u"Spannungsteiler: R1 (18 kOhm) von Ue zum Ausgang Ua, R2 (13 kOhm) vom Ausgang nach Masse."_qs);

    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualItemRect(table->item(1, 0)).center());
    QCOMPARE(picture->accessibleDescription(),
             u"Spannungsteiler: R1 (51 kOhm) von Ue zum Ausgang Ua, R2 (36 kOhm) vom Ausgang nach Masse."_qs);
    QVERIFY(window.warnings().isEmpty());
}

QTEST_MAIN(DividerWindowTest)
#include "tst_dividerwindow.moc"
