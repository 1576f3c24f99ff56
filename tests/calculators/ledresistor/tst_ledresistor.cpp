// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ledresistor.h"

#include <QTest>

class LedResistorTest : public QObject
{
    Q_OBJECT

private slots:
    void results_data()
    {
        // The fields: Ub, ±, Uf typical, von, bis, I, n, m, series.
        QTest::addColumn<QStringList>("fields");
        // Exact, standard value, its current, voltage, power and rating, the
        // next smaller value and its current, the worst case, the power in
        // each LED, total current, total power, share in the LEDs; then each
        // note. Or the message alone.
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *name, QStringList fields, QStringView expected) {
            QTest::newRow(name) << fields << expected.toString();
        };
        row("5 V, red, 10 mA, E12", {u"5"_qs, u"0"_qs, u"2"_qs, u"1,8"_qs, u"2,2"_qs, u"10 mA"_qs, u"1"_qs, u"1"_qs, u"E12"_qs},
            u"300 Ohm | 330 Ohm | 9,091 mA | 3 V | 27,27 mW | 1/8 W | 270 Ohm | 11,11 mA | 7,713 mA bis 10,77 mA | "
            u"18,18 mW | 9,091 mA | 45,45 mW | 40 %");
        row("24 V, three white, 0,02 A, E12: twice the power is above 1/2 W",
            {u"24 V"_qs, u""_qs, u"3,2"_qs, u"2,9"_qs, u"3,6"_qs, u"0,02 A"_qs, u"3"_qs, u"1"_qs, u"E12"_qs},
            u"720 Ohm | 820 Ohm | 17,56 mA | 14,4 V | 252,9 mW | 1 W | 680 Ohm | 21,18 mA | 14,63 mA bis 20,73 mA | "
            u"56,2 mW | 17,56 mA | 421,5 mW | 40 %");
        row("12 V, three white, 20 mA, E12: 120 Ohm is standard, the current strays",
            {u"12"_qs, u"0"_qs, u"3,2"_qs, u"2,9"_qs, u"3,6"_qs, u"20 mA"_qs, u"3"_qs, u"2"_qs, u"E12"_qs},
            u"120 Ohm | 120 Ohm | 20 mA | 2,4 V | 48 mW | 1/8 W | 100 Ohm | 24 mA | 9,091 mA bis 30,56 mA | "
            u"64 mW | 40 mA | 480 mW | 80 % | Der Strom schwankt zwischen 9,091 mA und 30,56 mA: Für den Widerstand "
            u"bleibt zu wenig Spannung. Weniger LEDs in Reihe oder eine höhere Betriebsspannung wählen.");
        row("the same at ±5 %", {u"12"_qs, u"5"_qs, u"3,2"_qs, u"2,9"_qs, u"3,6"_qs, u"20 mA"_qs, u"3"_qs, u"1"_qs, u"E12"_qs},
            u"120 Ohm | 120 Ohm | 20 mA | 2,4 V | 48 mW | 1/8 W | 100 Ohm | 24 mA | 4,545 mA bis 36,11 mA | "
            u"64 mW | 20 mA | 240 mW | 80 % | Der Strom schwankt zwischen 4,545 mA und 36,11 mA: Für den Widerstand "
            u"bleibt zu wenig Spannung. Weniger LEDs in Reihe oder eine höhere Betriebsspannung wählen.");
        row("230 V, one red, E96: beyond a 5 W resistor",
            {u"230"_qs, u"0"_qs, u"2"_qs, u"1,8"_qs, u"2,2"_qs, u"20 mA"_qs, u"1"_qs, u"1"_qs, u"E96"_qs},
            u"11,4 kOhm | 11,5 kOhm | 19,83 mA | 228 V | 4,52 W | mehr als 5 W | 11,3 kOhm | 20,18 mA | "
            u"19,61 mA bis 20,04 mA | 39,65 mW | 19,83 mA | 4,56 W | 0,9 % | 4,52 W sind mehr, als ein 5-W-Widerstand "
            u"bei halber Last verträgt: besser eine Konstantstromquelle oder einen Schaltregler verwenden.");
        row("5 V, two white: too few volts",
            {u"5"_qs, u"0"_qs, u"3,2"_qs, u"2,9"_qs, u"3,6"_qs, u"20 mA"_qs, u"2"_qs, u"1"_qs, u"E12"_qs},
            u"Die Betriebsspannung reicht nicht für 2 LEDs in Reihe; höchstens 1 passt.");
        row("2 V, one white", {u"2"_qs, u"0"_qs, u"3,2"_qs, u"2,9"_qs, u"3,6"_qs, u"20 mA"_qs, u"1"_qs, u"1"_qs, u"E12"_qs},
            u"Die Betriebsspannung reicht nicht für eine LED.");
        row("unreadable supply", {u"zwölf"_qs, u"0"_qs, u"2"_qs, u"1,8"_qs, u"2,2"_qs, u"20 mA"_qs, u"1"_qs, u"1"_qs, u"E12"_qs},
            u"„Betriebsspannung“ ist nicht lesbar: erwartet z. B. 12 oder 4,5 V.");
        row("current of 0", {u"5"_qs, u"0"_qs, u"2"_qs, u"1,8"_qs, u"2,2"_qs, u"0 mA"_qs, u"1"_qs, u"1"_qs, u"E12"_qs},
            u"„LED-Strom“ muss größer als 0 sein.");
        row("negative supply", {u"-5 V"_qs, u"0"_qs, u"2"_qs, u"1,8"_qs, u"2,2"_qs, u"20 mA"_qs, u"1"_qs, u"1"_qs, u"E12"_qs},
            u"„Betriebsspannung“ muss größer als 0 sein.");
        row("a current in volts", {u"5"_qs, u"0"_qs, u"2"_qs, u"1,8"_qs, u"2,2"_qs, u"20 mV"_qs, u"1"_qs, u"1"_qs, u"E12"_qs},
            u"„LED-Strom“ ist nicht lesbar: erwartet z. B. 20 mA oder 0,02 A.");
        row("half an LED", {u"5"_qs, u"0"_qs, u"2"_qs, u"1,8"_qs, u"2,2"_qs, u"20 mA"_qs, u"1,5"_qs, u"1"_qs, u"E12"_qs},
            u"„LEDs in Reihe“ braucht eine ganze Zahl von 1 bis 100.");
        row("no strings", {u"5"_qs, u"0"_qs, u"2"_qs, u"1,8"_qs, u"2,2"_qs, u"20 mA"_qs, u"1"_qs, u"0"_qs, u"E12"_qs},
            u"„Stränge parallel“ braucht eine ganze Zahl von 1 bis 1000.");
        row("spread of 100 %", {u"5"_qs, u"100"_qs, u"2"_qs, u"1,8"_qs, u"2,2"_qs, u"20 mA"_qs, u"1"_qs, u"1"_qs, u"E12"_qs},
            u"„±“ muss von 0 bis unter 100 % liegen.");
        row("typical above bis", {u"5"_qs, u"0"_qs, u"2,5"_qs, u"1,8"_qs, u"2,2"_qs, u"20 mA"_qs, u"1"_qs, u"1"_qs, u"E12"_qs},
            u"Die Durchlassspannung braucht „von“ ≤ typisch ≤ „bis“.");
        row("blank supply: nothing, no message",
            {u" "_qs, u"0"_qs, u"2"_qs, u"1,8"_qs, u"2,2"_qs, u"20 mA"_qs, u"1"_qs, u"1"_qs, u"E12"_qs}, u"");
    }

    void results()
    {
        QFETCH(QStringList, fields);
        QFETCH(QString, expected);
        const ledresistor::Input input{fields[0], fields[1], fields[2], fields[3], fields[4],
                                       fields[5], fields[6], fields[7], fields[8]};
        const ledresistor::Result r = ledresistor::calculate(input);
        QStringList shown{r.exact,    r.standard,  r.current,        r.voltage,      r.power,
                          r.rating,   r.smaller,   r.smallerCurrent, r.worstCase,    r.ledPower,
                          r.totalCurrent, r.totalPower, r.ledShare};
        shown.removeAll(QString());
        shown += r.notes;
        if (!r.message.isEmpty())
            shown.append(r.message);
        QCOMPARE(shown.join(u" | "), expected);
    }
};

QTEST_GUILESS_MAIN(LedResistorTest)
#include "tst_ledresistor.moc"
