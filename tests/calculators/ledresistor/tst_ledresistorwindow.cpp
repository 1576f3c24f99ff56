// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ledresistorwindow.h"
#include "steps.h"
#include "useractions.h"

#include <QComboBox>
#include <QTest>

// Results follow every change, with no button; a colour fills its forward
// voltages, typing them makes them the user's own.
class LedResistorWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void changesFillResults_data();
    void changesFillResults();
};

void LedResistorWindowTest::changesFillResults_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("shows"); // "name=text"

    // Text1 Ub, Text3 to Text5 the forward voltages, Combo1 the colour,
    // Combo2 the current; Text8 the exact value, Text9 the standard value,
    // Text10 its current, Text16 the worst case; Label25 the messages,
    // Picture1 the drawing's description.
    QTest::newRow("5 V, red, 10 mA: the presets and one pick")
        << QStringList{u"Text1=5 V"_qs, u"Combo2=10 mA"_qs}
        << QStringList{u"Text3=2"_qs, u"Text5=2,2"_qs, u"Text8=300 Ohm"_qs, u"Text9=330 Ohm"_qs,
                       u"Text10=9,091 mA"_qs, u"Label25="_qs,
                       u"Picture1=Betriebsspannung 5 V, Vorwiderstand 330 Ohm, 1 LED in Reihe."_qs};
    QTest::newRow("three white in two strings at 12 V: the current strays")
        << QStringList{u"Text1=12"_qs, u"Combo1=Weiß"_qs, u"Text6=3"_qs, u"Text7=2"_qs}
        << QStringList{u"Text4=2,9"_qs, u"Text9=120 Ohm"_qs, u"Text16=9,091 mA bis 30,56 mA"_qs,
                       u"Label25=Der Strom schwankt zwischen 9,091 mA und 30,56 mA: Für den Widerstand bleibt zu "
                       u"wenig Spannung. Weniger LEDs in Reihe oder eine höhere Betriebsspannung wählen."_qs,
                       u"Picture1=Betriebsspannung 12 V, Vorwiderstand 120 Ohm, 3 LEDs in Reihe; 2 Stränge "
                       u"parallel, jeder mit eigenem Widerstand."_qs};
    QTest::newRow("a forward voltage typed: own values")
        << QStringList{u"Text1=5"_qs, u"Text3=1,9"_qs}
        << QStringList{u"Combo1=eigene Werte"_qs, u"Text4=1,8"_qs, u"Text8=155 Ohm"_qs};
    QTest::newRow("a message empties the results")
        << QStringList{u"Text1=5"_qs, u"Text1+x"_qs}
        << QStringList{u"Text8="_qs, u"Text16="_qs,
                       u"Label25=„Betriebsspannung“ ist nicht lesbar: erwartet z. B. 12 oder 4,5 V."_qs,
                       u"Picture1=Betriebsspannung Ub, Vorwiderstand R, 1 LED in Reihe."_qs};
}

void LedResistorWindowTest::changesFillResults()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, shows);
    testing::WindowFixture<Form13> window;
    QVERIFY(window.open());
    QCOMPARE(testing::doSteps(window.get(), steps), QString());
    for (const QString &expected : shows) {
        const QString name = expected.section(u'=', 0, 0);
        const auto *widget = testing::child<QWidget>(window.get(), name);
        const auto *list = qobject_cast<const QComboBox *>(widget);
        const QVariant text = list ? list->currentText() : widget->property("text");
        QCOMPARE(name + u'=' + (text.isValid() ? text.toString() : widget->accessibleDescription()), expected);
    }
    QVERIFY(window.warnings().isEmpty());
}

QTEST_MAIN(LedResistorWindowTest)
#include "tst_ledresistorwindow.moc"
