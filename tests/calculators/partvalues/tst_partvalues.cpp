// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pairs.h"
#include "partvalues.h"

#include <QMap>
#include <QTest>

#include <algorithm>
#include <cmath>

using common::Part;

Q_DECLARE_METATYPE(Part)
Q_DECLARE_METATYPE(common::Series)
using Published = QMap<int, int>; // formula value -> published value

constexpr Part R = Part::Resistor;
constexpr Part C = Part::Capacitor;

class PartValuesTest : public QObject
{
    Q_OBJECT

private slots:
    // Results are compared as one text, line after line, joined by " | ".
    void readings_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Part>("part");
        QTest::addColumn<QString>("expected"); // every reading in order, else the message
        const auto row = [](const char *name, QStringView text, Part part, QStringView expected) {
            QTest::newRow(name) << text.toString() << part << expected.toString();
        };
        row("blank, no message", u"   ", R, u"");
        row("1,5 MΩ, Ohm sign", u"1,5 M\u2126", R, u"1,5 MOhm (Zahl)");
        row("470, number and 3-digit code", u"470", R, u"470 Ohm (Zahl) | 47 Ohm (3-stelliger SMD-Code)");
        row("4.700, thousands or decimal point", u"4.700", R,
            u"4,7 kOhm (Zahl, Punkt als Tausendertrennzeichen) | 4,7 Ohm (Zahl, Punkt als Dezimalzeichen)");
        row("4.7, decimal point only", u"4.7", R, u"4,7 Ohm (Zahl, Punkt als Dezimalzeichen)");
        row("1.500.000, thousands only", u"1.500.000", R, u"1,5 MOhm (Zahl)");
        row("1,5m, mega or milli", u"1,5m", R, u"1,5 MOhm (Zahl, m als Mega) | 0,0015 Ohm (Zahl, m als Milli)");
        row("4k7J, lower case and tolerance letter", u"4k7J", R, u"4,7 kOhm ±5 % (RKM-Code)");
        row("1G0", u"1G0", R, u"1 GOhm (RKM-Code)");
        row("4R7 is not 4,0", u"4R7", R, u"4,7 Ohm (RKM-Code)");
        row("10R, RKM or EIA-96", u"10R", R, u"10 Ohm (RKM-Code) | 1,24 Ohm (EIA-96-Code)");
        row("4701 not two decades off", u"4701", R, u"4,701 kOhm (Zahl) | 4,7 kOhm (4-stelliger SMD-Code)");
        row("000, zero-ohm link", u"000", R, u"0 Ohm (Zahl) | 0 Ohm (3-stelliger SMD-Code)");
        row("95Z, E96 953 not 959", u"95Z", R, u"0,953 Ohm (EIA-96-Code)");
        row("both ways", u"braun schwarz rot braun", R, u"1 kOhm ±1 % (Ringe) | 12 Ohm ±1 % (Ringe rückwärts gelesen)");
        row("5 rings 33 kOhm, not 33 Ohm", u"orange-orange-schwarz-rot-braun", R, u"33 kOhm ±1 % (Ringe)");
        row("6 rings, capitals, commas", u"Braun,Schwarz,Schwarz,Braun,Braun,Rot", R, u"1 kOhm ±1 %, 50 ppm/K (Ringe)");
        row("3 rings, black not first", u"schwarz gruen weiss", R, u"95 Ohm ±20 % (Ringe rückwärts gelesen)");
        row("reversed, black not first either", u"gold rot violett schwarz", R,
            u"Erwartet: ein Wert (4,7k, 4,7 kOhm), ein Code (4K7, 472, 4701, 01C) oder Farbringe (gelb violett rot gold).");
        row("01X, X is ×0,1", u"01X", R, u"10 Ohm (EIA-96-Code)");
        row("0,53775, halfway rounds up", u"0,53775", R, u"0,5378 Ohm (Zahl)");
        // The published temperature coefficients of the 6th ring.
        for (const auto &[colour, ppm] : {std::pair{u"schwarz", 250}, {u"braun", 100}, {u"rot", 50}, {u"orange", 15},
                                          {u"gelb", 25}, {u"grün", 20}, {u"blau", 10}, {u"violett", 5}, {u"grau", 1}}) {
            const QString name = QStringLiteral("6th ring ") + QString::fromUtf16(colour);
            row(qPrintable(name), QStringLiteral("braun schwarz schwarz braun braun ") + QString::fromUtf16(colour), R,
                QStringLiteral("1 kOhm ±1 %, %1 ppm/K (Ringe)").arg(ppm));
        }
        row("not a marking", u"hallo", R,
            u"Erwartet: ein Wert (4,7k, 4,7 kOhm), ein Code (4K7, 472, 4701, 01C) "
            u"oder Farbringe (gelb violett rot gold).");
        row("huge, omega", u"99999999999999999999 k\u03A9", R, u"Der Wert liegt außerhalb von 1 mOhm bis 1000 GOhm.");
        row("overlong", QString(200, u'1'), R, u"Der Text ist zu lang für einen Wert oder Aufdruck.");

        row("104, code first", u"104", C, u"100 nF (3-stelliger Code) | 104 pF (Zahl in pF)");
        row("107, tantalum code ×10^7", u"107", C, u"100 µF (3-stelliger Code) | 107 pF (Zahl in pF)");
        row("100C, percent at exactly 10 pF", u"100C", C, u"10 pF ±0,25 % (3-stelliger Code)");
        row("100nF, farad or tolerance F", u"100nF", C, u"100 nF (Zahl) | 100 nF ±1 % (RKM-Code)");
        row("bare 1 is pF only", u"1", C, u"1 pF (Zahl in pF)");
        row("478C, below 10 pF in pF", u"478C", C, u"0,47 pF ±0,25 pF (3-stelliger Code)");
        row("225Z", u"225Z", C, u"2,2 µF −20/+80 % (3-stelliger Code)");
        row("470 pF without noise", u"470 pF", C, u"470 pF (Zahl)");
        row("4700μ, Greek mu", u"4700\u03BC", C, u"4700 µF (Zahl)");
        row("0,1 in pF or µF", u"0,1", C, u"0,1 pF (Zahl in pF) | 100 nF (Zahl in µF)");
        row("2u2K", u"2u2K", C, u"2,2 µF ±10 % (RKM-Code)");
        row("rings, capacitor", u"rot rot rot", C,
            u"Erwartet: ein Wert (100n, 4,7 µF) oder ein Code (104, 104J, 4n7).");
        row("capacitor, zero", u"0", C, u"Der Wert liegt außerhalb von 0,01 pF bis 10000 F.");
    }

    // Every reading, in order, and nothing made up; a message only without one.
    void readings()
    {
        QFETCH(QString, text);
        QFETCH(Part, part);
        QFETCH(QString, expected);

        const partvalues::Readings result = partvalues::read(text, part);
        QStringList actual;
        for (const partvalues::Reading &r : result.readings)
            actual.append(partvalues::describe(r, part) + QStringLiteral(" (") + r.how + u')');
        if (!result.message.isEmpty())
            actual.append(result.message);
        QCOMPARE(actual.join(u" | "), expected);
    }

    void writings_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<Part>("part");
        QTest::addColumn<QChar>("letter"); // tolerance letter, null for none
        QTest::addColumn<QString>("expected"); // value, markings, 4 rings, 5 rings
        const auto row = [](const char *name, double value, Part part, QChar letter, QStringView expected) {
            QTest::newRow(name) << value << part << letter << expected.toString();
        };
        row("4,7 kOhm J", 4700, R, u'J',
            u"4,7 kOhm | 4K7J | 472 | 4701 | nicht als EIA-96-Code darstellbar | gelb violett rot gold | "
            u"gelb violett schwarz braun gold");
        row("470 Ohm, not 470 000 MOhm, no tolerance ring", 470, R, {},
            u"470 Ohm | 470R | 471 | 4700 | nicht als EIA-96-Code darstellbar | gelb violett braun | ");
        row("zero-ohm link", 0, R, {}, u"0 Ohm | 0R | 000 | 0000 | nicht als EIA-96-Code darstellbar |  | ");
        row("3,147 kOhm, more digits than the rings", 3147.23, R, u'J',
            u"3,147 kOhm | 3K14723J | nicht als 3-stelliger Code darstellbar | "
            u"nicht als 4-stelliger Code darstellbar | nicht als EIA-96-Code darstellbar | "
            u"orange braun rot gold | orange braun grün braun gold");
        row("100 nF J", 100e-9, C, u'J', u"100 nF | 104J | 100nJ");
        row("470 pF", 470e-12, C, {}, u"470 pF | 471 | 470p");
        row("4,75 nF", 4.75e-9, C, {}, u"4,75 nF | nicht als 3-stelliger Code darstellbar | 4n75");
        row("1 kOhm", 1000, R, {}, u"1 kOhm | 1K0 | 102 | 1001 | 01B | braun schwarz rot | ");
        row("1,24 Ohm, EIA-96 10Y", 1.24, R, {}, u"1,24 Ohm | 1R24 | nicht als 3-stelliger Code darstellbar | 1R24 | 10Y | braun rot gold | ");
        row("1,15 Ohm, rings round half up", 1.15, R, {}, u"1,15 Ohm | 1R15 | nicht als 3-stelliger Code darstellbar | 1R15 | 07Y | braun rot gold | ");
        row("100 µF, tantalum code", 100e-6, C, {}, u"100 µF | 107 | 100µ");
        row("0,47 pF", 0.47e-12, C, {}, u"0,47 pF | 478 | p47");
        row("0,01 pF, code with a leading zero", 0.01e-12, C, {}, u"0,01 pF | 018 | p01");
        row("0 pF", 0, C, {}, u"0 pF | nicht als 3-stelliger Code darstellbar | nicht als RKM-Code darstellbar");
    }

    // The value and each marking; the rings as words where the part has them, with the ring
    // tolerance of the letter as the window presets it.
    void writings()
    {
        QFETCH(double, value);
        QFETCH(Part, part);
        QFETCH(QChar, letter);
        QFETCH(QString, expected);

        std::optional<partvalues::Tolerance> tolerance;
        if (!letter.isNull())
            tolerance = partvalues::Tolerance{5, 5, false, letter, {}};
        QStringList actual{partvalues::formatValue(value, part)};
        for (const partvalues::Marking &m : partvalues::markings(value, part, tolerance))
            actual.append(m.text);
        const QStringView colour = tolerance ? partvalues::toleranceColour(*tolerance) : u"keine";
        if (part == R)
            actual << partvalues::rings(value, 2, colour).words << partvalues::rings(value, 3, colour).words;
        QCOMPARE(actual.join(u" | "), expected);
    }

    void roundTrip_data()
    {
        QTest::addColumn<Part>("part");
        QTest::addColumn<int>("first"); // power of ten of the first decade's 100 hundredths
        QTest::addColumn<qsizetype>("possible"); // markings and exact ring codes, so none is wrongly refused
        QTest::newRow("resistors, ten decades from 0,1 Ohm") << R << -3 << qsizetype(14792);
        QTest::newRow("capacitors, ten decades from 1 pF") << C << -14 << qsizetype(798);
    }

    // Every marking of every standard value that can express it reads back to
    // it, and so do the exact ring codes as words with a tolerance ring.
    void roundTrip()
    {
        QFETCH(Part, part);
        QFETCH(int, first);
        QFETCH(qsizetype, possible);

        qsizetype checked = 0;
        for (const common::Series &series : partvalues::seriesOf(part)) {
            for (int exponent = first; exponent < first + 10; ++exponent) {
                for (const int h : series.hundredths) {
                    const double value = exponent < 0 ? h / std::pow(10.0, -exponent) : h * std::pow(10.0, exponent);
                    QStringList texts;
                    for (const partvalues::Marking &m : partvalues::markings(value, part))
                        texts << (m.possible ? m.text : QString());
                    for (const int digits : {2, 3}) {
                        const partvalues::RingCode code = partvalues::rings(value, digits, u"gold");
                        texts << (part == R && code.exact ? code.words : QString());
                    }
                    texts.removeAll(QString());
                    for (const QString &text : std::as_const(texts)) {
                        const bool back = std::ranges::any_of(partvalues::read(text, part).readings,
                                                              [value](const auto &r) { return r.value == value; });
                        if (!back)
                            QFAIL(qPrintable(text + QStringLiteral(" is not ") + partvalues::formatValue(value, part)));
                    }
                    checked += texts.size();
                }
            }
        }
        QCOMPARE(checked, possible);
    }

    void seriesFollowFormula_data()
    {
        QTest::addColumn<common::Series>("series");
        QTest::addColumn<int>("digits");               // significant digits of 10^(i/n)
        QTest::addColumn<Published>("published"); // where the published list differs from the formula
        // E6 to E24 keep older values where the formula rounds otherwise.
        const Published older{{260, 270}, {290, 300}, {320, 330}, {350, 360},
                                   {380, 390}, {420, 430}, {460, 470}, {830, 820}};
        QTest::newRow("E6") << common::kSeriesE6 << 2 << older;
        QTest::newRow("E12") << common::kSeriesE12 << 2 << older;
        QTest::newRow("E24, 4,3 for 4,2") << common::kSeriesE24 << 2 << older;
        QTest::newRow("E48") << common::kSeriesE48 << 3 << Published{};
        QTest::newRow("E96") << common::kSeriesE96 << 3 << Published{};
        QTest::newRow("E192, 9,20 for 9,19") << common::kSeriesE192 << 3 << Published{{919, 920}};
    }

    // 10^(i/n) rounded, value by value against the published lists, which
    // catches a typo in the tables.
    void seriesFollowFormula()
    {
        QFETCH(common::Series, series);
        QFETCH(int, digits);
        QFETCH(Published, published);

        const int count = series.name.mid(1).toInt();
        const int step = digits == 2 ? 10 : 1;
        QCOMPARE(int(series.hundredths.size()), count);
        for (int i = 0; i < count; ++i) {
            const int formula = step * int(std::lround(100 * std::pow(10.0, double(i) / count) / step));
            QCOMPARE(series.hundredths[std::size_t(i)], published.value(formula, formula));
        }
    }

    void pairs_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<Part>("part");
        QTest::addColumn<common::Series>("series");
        QTest::addColumn<QString>("expected"); // series pair, parallel pair or message; neighbours in that series
        const auto row = [](const char *name, double value, Part part, const common::Series &series,
                            QStringView expected) { QTest::newRow(name) << value << part << series << expected.toString(); };
        row("3140 Ohm, E12", 3140, R, common::kSeriesE12,
            u"470 Ohm + 2,7 kOhm = 3,17 kOhm (+0,96 %) | 3,3 kOhm ∥ 68 kOhm = 3,147 kOhm (+0,23 %) | "
            u"E12: 2,7 kOhm (−14,01 %) / 3,3 kOhm (+5,10 %)");
        row("2100 Ohm, E12, tie on both sides goes to the smaller part", 2100, R, common::kSeriesE12,
            u"270 Ohm + 1,8 kOhm = 2,07 kOhm (−1,43 %) | 2,2 kOhm ∥ 47 kOhm = 2,102 kOhm (+0,08 %) | "
            u"E12: 1,8 kOhm (−14,29 %) / 2,2 kOhm (+4,76 %)");
        row("4,7 kOhm, E12, single value", 4700, R, common::kSeriesE12,
            u"4,7 kOhm ist ein Normwert der Reihe E12 | E12: Normwert, 4,7 kOhm / 4,7 kOhm");
        row("50 nF, E6, capacitors in series divide", 50e-9, C, common::kSeriesE6,
            u"100 nF in Reihe mit 100 nF = 50 nF (0,00 %) | 3,3 nF ∥ 47 nF = 50,3 nF (+0,60 %) | "
            u"E6: 47 nF (−6,00 %) / 68 nF (+36,00 %)");
        row("95 MOhm, beyond two parts, neighbour in the next decade", 95e6, R, common::kSeriesE12,
            u"Zwei Teile von 1 Ohm bis 10 MOhm ergeben 0,5 Ohm bis 20 MOhm. | "
            u"E12: 82 MOhm (−13,68 %) / 100 MOhm (+5,26 %)");
        row("80 Ohm, E12, tie on one side", 80, R, common::kSeriesE12,
            u"33 Ohm + 47 Ohm = 80 Ohm (0,00 %) | 82 Ohm ∥ 3,3 kOhm = 80,01 Ohm (+0,01 %) | E12: 68 Ohm (−15,00 %) / 82 Ohm (+2,50 %)");
        row("9,4 Ohm, E12, tie across the value", 9.4, R, common::kSeriesE12,
            u"4,7 Ohm + 4,7 Ohm = 9,4 Ohm (0,00 %) | 10 Ohm ∥ 150 Ohm = 9,375 Ohm (−0,27 %) | E12: 8,2 Ohm (−12,77 %) / 10 Ohm (+6,38 %)");
        row("4,7 Ohm, E96, tie by noise", 4.7, R, common::kSeriesE96,
            u"2,21 Ohm + 2,49 Ohm = 4,7 Ohm (0,00 %) | 5,23 Ohm ∥ 46,4 Ohm = 4,7 Ohm (0,00 %) | E96: 4,64 Ohm (−1,28 %) / 4,75 Ohm (+1,06 %)");
        row("22 pF, E192, tie in parallel", 22e-12, C, common::kSeriesE192,
            u"26,4 pF in Reihe mit 132 pF = 22 pF (0,00 %) | 11 pF ∥ 11 pF = 22 pF (0,00 %)");
        row("2,0625 Ohm, halfway result", 2.0625, R, common::kSeriesE12,
            u"1 Ohm + 1 Ohm = 2 Ohm (−3,03 %) | 2,2 Ohm ∥ 33 Ohm = 2,063 Ohm (0,00 %) | E12: 1,8 Ohm (−12,73 %) / 2,2 Ohm (+6,67 %)");
        row("3,2 Ohm, E12, halfway deviations", 3.2, R, common::kSeriesE12,
            u"1 Ohm + 2,2 Ohm = 3,2 Ohm (0,00 %) | 4,7 Ohm ∥ 10 Ohm = 3,197 Ohm (−0,09 %) | E12: 2,7 Ohm (−15,63 %) / 3,3 Ohm (+3,13 %)");
    }

    void pairs()
    {
        QFETCH(double, value);
        QFETCH(Part, part);
        QFETCH(common::Series, series);
        QFETCH(QString, expected);

        const partvalues::Pairs p = partvalues::bestPairs(value, part, series);
        QStringList actual{p.series ? p.series->text : QString(), p.parallel ? p.parallel->text : QString(), p.message};
        for (const partvalues::Neighbours &n : partvalues::neighbours(value, part)) {
            // At a standard value, below and above are the value itself.
            if (n.series == series.name)
                actual << n.series.toString() + QStringLiteral(": ") + n.text
                              + (n.standard ? QStringLiteral(", ") + partvalues::formatValue(n.below, part)
                                                  + QStringLiteral(" / ") + partvalues::formatValue(n.above, part)
                                            : QString());
        }
        actual.removeAll(QString());
        QCOMPARE(actual.join(u" | "), expected);
    }
};

QTEST_GUILESS_MAIN(PartValuesTest)
#include "tst_partvalues.moc"
