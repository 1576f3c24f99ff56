// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "partvalueswindow.h"
#include "steps.h"
#include "useractions.h"

#include <QComboBox>
#include <QTest>

// Results follow the typing, with no button; a text with several readings
// offers them, and the rest of the window follows the one picked.
class PartValuesWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void typingFillsResults_data();
    void typingFillsResults();
};

void PartValuesWindowTest::typingFillsResults_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("shows"); // "name=text"

    // Combo1 the readings, empty while hidden; Text2 the value, Text4 RKM,
    // Text8 the capacitor code, Text10 and Text11 the pairs, Text18 and
    // Text19 the rings, Picture1 the 4 rings drawn, Label4 the message.
    QTest::newRow("4K7F after 470: one reading, the drop-down goes, F sets the rings' tolerance")
        << QStringList{u"Text1=470"_qs, u"Text1=4K7F"_qs}
        << QStringList{u"Combo1="_qs, u"Text2=4,7 kOhm ±1 %"_qs, u"Text4=4K7F"_qs, u"Text18=gelb violett rot braun"_qs,
                       u"Text19=gelb violett schwarz braun braun"_qs,
                       u"Picture1=1. Ziffer: gelb, 2. Ziffer: violett, Multiplikator: rot, Toleranz: braun"_qs};
    QTest::newRow("470, the code's reading picked")
        << QStringList{u"Text1=470"_qs, u"Combo1=47 Ohm (3-stelliger SMD-Code)"_qs}
        << QStringList{u"Combo1=47 Ohm (3-stelliger SMD-Code)"_qs, u"Text2=47 Ohm"_qs};
    QTest::newRow("3,14k, E12 pairs") << QStringList{u"Text1=3,14k"_qs}
                                      << QStringList{u"Text10=470 Ohm + 2,7 kOhm = 3,17 kOhm (+0,96 %)"_qs,
                                                     u"Text11=3,3 kOhm ∥ 68 kOhm = 3,147 kOhm (+0,23 %)"_qs};
    QTest::newRow("104J read again as a capacitor")
        << QStringList{u"Text1=104J"_qs, u"Option2"_qs} << QStringList{u"Text2=100 nF ±5 %"_qs, u"Text8=104J"_qs};
    QTest::newRow("no reading: the results stay, a message says why")
        << QStringList{u"Text1=4K7"_qs, u"Text1+x"_qs}
        << QStringList{u"Text2=4,7 kOhm"_qs, u"Label4=Erwartet: ein Wert (4,7k, 4,7 kOhm), ein Code (4K7, 472, 4701, "
                                             u"01C) oder Farbringe (gelb violett rot gold)."_qs};
}

void PartValuesWindowTest::typingFillsResults()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, shows);
    testing::WindowFixture<Form11> window;
    QVERIFY(window.open());
    QCOMPARE(testing::doSteps(window.get(), steps), QString());
    for (const QString &expected : shows) {
        const QString name = expected.section(u'=', 0, 0);
        const auto *widget = testing::child<QWidget>(window.get(), name);
        const auto *list = qobject_cast<const QComboBox *>(widget);
        const QVariant text = list ? list->isVisibleTo(window.get()) ? list->currentText() : QString()
                                   : widget->property("text");
        QCOMPARE(name + u'=' + (text.isValid() ? text.toString() : widget->accessibleDescription()), expected);
    }
    QVERIFY(window.warnings().isEmpty());
}

QTEST_MAIN(PartValuesWindowTest)
#include "tst_partvalueswindow.moc"
