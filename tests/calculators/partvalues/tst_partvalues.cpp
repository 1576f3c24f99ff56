// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pairs.h"
#include "partvalues.h"

#include <QTest>

#include <algorithm>
#include <cmath>

using common::Part;
using partvalues::Tolerance;

Q_DECLARE_METATYPE(Part)

namespace {

// A reading as one line: value, tolerance, coefficient and how it was read.
QString line(const partvalues::Reading &r, Part part)
{
    return partvalues::describe(r, part) + QStringLiteral(" (") + r.how + u')';
}

QStringList lines(const QString &text, Part part)
{
    QStringList result;
    for (const partvalues::Reading &r : partvalues::read(text, part).readings)
        result.append(line(r, part));
    return result;
}

Tolerance letterTolerance(QChar letter, double percent)
{
    return {percent, percent, false, letter, {}};
}

// Whether some reading of `text` has exactly `value`.
bool readsBackTo(const QString &text, Part part, double value)
{
    const auto readings = partvalues::read(text, part).readings;
    return std::any_of(readings.begin(), readings.end(), [value](const auto &r) { return r.value == value; });
}

} // namespace

class PartValuesTest : public QObject
{
    Q_OBJECT

private slots:
    void readings_data();
    void readings();
    void writings_data();
    void writings();
    void roundTrip_data();
    void roundTrip();
    void seriesFollowFormula_data();
    void seriesFollowFormula();
    void neighbours_data();
    void neighbours();
    void pairs_data();
    void pairs();
};

void PartValuesTest::readings_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Part>("part");
    QTest::addColumn<QStringList>("expected"); // every reading in order; empty: the message
    QTest::addColumn<QString>("message");

    const Part R = Part::Resistor;
    const Part C = Part::Capacitor;
    const QString expectsResistor = QStringLiteral(
        "Erwartet: ein Wert (4,7k, 4,7 kOhm), ein Code (4K7, 472, 4701, 01C) oder Farbringe (gelb violett rot gold).");
    const QString expectsCapacitor = QStringLiteral("Erwartet: ein Wert (100n, 4,7 µF) oder ein Code (104, 104J, 4n7).");

    QTest::newRow("empty") << u""_qs << R << QStringList{} << u""_qs;
    QTest::newRow("blanks") << u"   "_qs << R << QStringList{} << u""_qs;
    QTest::newRow("4,7k") << u"4,7k"_qs << R << QStringList{u"4,7 kOhm (Zahl)"_qs} << u""_qs;
    QTest::newRow("4,7 kOhm") << u"4,7 kOhm"_qs << R << QStringList{u"4,7 kOhm (Zahl)"_qs} << u""_qs;
    QTest::newRow("1,5 MΩ, Ohm sign") << u"1,5 M\u2126"_qs << R << QStringList{u"1,5 MOhm (Zahl)"_qs} << u""_qs;
    QTest::newRow("1,5 MΩ, omega") << u"1,5 M\u03A9"_qs << R << QStringList{u"1,5 MOhm (Zahl)"_qs} << u""_qs;
    QTest::newRow("0,47") << u"0,47"_qs << R << QStringList{u"0,47 Ohm (Zahl)"_qs} << u""_qs;
    QTest::newRow("4700, number and 4-digit code")
        << u"4700"_qs << R << QStringList{u"4,7 kOhm (Zahl)"_qs, u"470 Ohm (4-stelliger SMD-Code)"_qs} << u""_qs;
    QTest::newRow("470, number and 3-digit code")
        << u"470"_qs << R << QStringList{u"470 Ohm (Zahl)"_qs, u"47 Ohm (3-stelliger SMD-Code)"_qs} << u""_qs;
    QTest::newRow("4.700, thousands or decimal point")
        << u"4.700"_qs << R
        << QStringList{u"4,7 kOhm (Zahl, Punkt als Tausendertrennzeichen)"_qs,
                       u"4,7 Ohm (Zahl, Punkt als Dezimalzeichen)"_qs}
        << u""_qs;
    QTest::newRow("4.7, decimal point only") << u"4.7"_qs << R
                                             << QStringList{u"4,7 Ohm (Zahl, Punkt als Dezimalzeichen)"_qs} << u""_qs;
    QTest::newRow("1.500.000, thousands only") << u"1.500.000"_qs << R << QStringList{u"1,5 MOhm (Zahl)"_qs} << u""_qs;
    QTest::newRow("1,5m, mega or milli") << u"1,5m"_qs << R
                                         << QStringList{u"1,5 MOhm (Zahl, m als Mega)"_qs,
                                                        u"0,0015 Ohm (Zahl, m als Milli)"_qs}
                                         << u""_qs;
    QTest::newRow("4K7") << u"4K7"_qs << R << QStringList{u"4,7 kOhm (RKM-Code)"_qs} << u""_qs;
    QTest::newRow("4k7, lower case") << u"4k7"_qs << R << QStringList{u"4,7 kOhm (RKM-Code)"_qs} << u""_qs;
    QTest::newRow("4K7J, tolerance letter") << u"4K7J"_qs << R << QStringList{u"4,7 kOhm ±5 % (RKM-Code)"_qs} << u""_qs;
    QTest::newRow("R47") << u"R47"_qs << R << QStringList{u"0,47 Ohm (RKM-Code)"_qs} << u""_qs;
    QTest::newRow("2M2") << u"2M2"_qs << R << QStringList{u"2,2 MOhm (RKM-Code)"_qs} << u""_qs;
    QTest::newRow("1G0") << u"1G0"_qs << R << QStringList{u"1 GOhm (RKM-Code)"_qs} << u""_qs;
    QTest::newRow("470R") << u"470R"_qs << R << QStringList{u"470 Ohm (RKM-Code)"_qs} << u""_qs;
    QTest::newRow("4R7 is not 4,0") << u"4R7"_qs << R << QStringList{u"4,7 Ohm (RKM-Code)"_qs} << u""_qs;
    QTest::newRow("10R0") << u"10R0"_qs << R << QStringList{u"10 Ohm (RKM-Code)"_qs} << u""_qs;
    QTest::newRow("10R, RKM or EIA-96")
        << u"10R"_qs << R << QStringList{u"10 Ohm (RKM-Code)"_qs, u"1,24 Ohm (EIA-96-Code)"_qs} << u""_qs;
    QTest::newRow("472") << u"472"_qs << R
                         << QStringList{u"472 Ohm (Zahl)"_qs, u"4,7 kOhm (3-stelliger SMD-Code)"_qs} << u""_qs;
    QTest::newRow("4701 not two decades off")
        << u"4701"_qs << R << QStringList{u"4,701 kOhm (Zahl)"_qs, u"4,7 kOhm (4-stelliger SMD-Code)"_qs} << u""_qs;
    QTest::newRow("000, zero-ohm link")
        << u"000"_qs << R << QStringList{u"0 Ohm (Zahl)"_qs, u"0 Ohm (3-stelliger SMD-Code)"_qs} << u""_qs;
    QTest::newRow("01C") << u"01C"_qs << R << QStringList{u"10 kOhm (EIA-96-Code)"_qs} << u""_qs;
    QTest::newRow("68X") << u"68X"_qs << R << QStringList{u"49,9 Ohm (EIA-96-Code)"_qs} << u""_qs;
    QTest::newRow("95Z, E96 953 not 959") << u"95Z"_qs << R << QStringList{u"0,953 Ohm (EIA-96-Code)"_qs} << u""_qs;
    QTest::newRow("4 rings") << u"gelb violett rot gold"_qs << R
                             << QStringList{u"4,7 kOhm ±5 % (Ringe)"_qs} << u""_qs;
    QTest::newRow("rings both ways") << u"braun schwarz rot braun"_qs << R
                                     << QStringList{u"1 kOhm ±1 % (Ringe)"_qs,
                                                    u"12 Ohm ±1 % (Ringe rückwärts gelesen)"_qs}
                                     << u""_qs;
    QTest::newRow("rings only reversed") << u"gold rot violett gelb"_qs << R
                                         << QStringList{u"4,7 kOhm ±5 % (Ringe rückwärts gelesen)"_qs} << u""_qs;
    QTest::newRow("5 rings 33 kOhm, not 33 Ohm")
        << u"orange-orange-schwarz-rot-braun"_qs << R << QStringList{u"33 kOhm ±1 % (Ringe)"_qs} << u""_qs;
    QTest::newRow("6 rings, capitals and commas") << u"Braun, Schwarz, Schwarz, Braun, Braun, Rot"_qs << R
                                    << QStringList{u"1 kOhm ±1 %, 50 ppm/K (Ringe)"_qs} << u""_qs;
    QTest::newRow("3 rings, 20 %") << u"gruen blau weiss"_qs << R
                                   << QStringList{u"56 GOhm ±20 % (Ringe)"_qs, u"9,6 MOhm ±20 % (Ringe rückwärts gelesen)"_qs} << u""_qs;
    QTest::newRow("black is no first ring") << u"schwarz braun rot"_qs << R
                                            << QStringList{u"21 Ohm ±20 % (Ringe rückwärts gelesen)"_qs} << u""_qs;
    QTest::newRow("not a marking") << u"hallo"_qs << R << QStringList{} << expectsResistor;
    QTest::newRow("tab inside") << u"4\t7"_qs << R << QStringList{} << expectsResistor;
    QTest::newRow("huge") << u"99999999999999999999k"_qs << R << QStringList{}
                          << u"Der Wert liegt außerhalb von 1 mOhm bis 1000 GOhm."_qs;
    QTest::newRow("overlong") << QString(200, u'1') << R << QStringList{}
                              << u"Der Text ist zu lang für einen Wert oder Aufdruck."_qs;

    QTest::newRow("104, code first") << u"104"_qs << C
                                     << QStringList{u"100 nF (3-stelliger Code)"_qs, u"104 pF (Zahl in pF)"_qs} << u""_qs;
    QTest::newRow("104J") << u"104J"_qs << C << QStringList{u"100 nF ±5 % (3-stelliger Code)"_qs} << u""_qs;
    QTest::newRow("479, times 0,1") << u"479"_qs << C
                                    << QStringList{u"4,7 pF (3-stelliger Code)"_qs, u"479 pF (Zahl in pF)"_qs} << u""_qs;
    QTest::newRow("478C, below 10 pF in pF")
        << u"478C"_qs << C << QStringList{u"0,47 pF ±0,25 pF (3-stelliger Code)"_qs} << u""_qs;
    QTest::newRow("225Z") << u"225Z"_qs << C << QStringList{u"2,2 µF −20/+80 % (3-stelliger Code)"_qs} << u""_qs;
    QTest::newRow("100n") << u"100n"_qs << C << QStringList{u"100 nF (Zahl)"_qs} << u""_qs;
    QTest::newRow("100 nF") << u"100 nF"_qs << C << QStringList{u"100 nF (Zahl)"_qs} << u""_qs;
    QTest::newRow("0,1µ, Greek mu") << u"0,1\u03BC"_qs << C << QStringList{u"100 nF (Zahl)"_qs} << u""_qs;
    QTest::newRow("4,7p") << u"4,7p"_qs << C << QStringList{u"4,7 pF (Zahl)"_qs} << u""_qs;
    QTest::newRow("0,1 in pF or µF")
        << u"0,1"_qs << C << QStringList{u"0,1 pF (Zahl in pF)"_qs, u"100 nF (Zahl in µF)"_qs} << u""_qs;
    QTest::newRow("470 pF without noise") << u"470p"_qs << C << QStringList{u"470 pF (Zahl)"_qs} << u""_qs;
    QTest::newRow("4n7") << u"4n7"_qs << C << QStringList{u"4,7 nF (RKM-Code)"_qs} << u""_qs;
    QTest::newRow("p47") << u"p47"_qs << C << QStringList{u"0,47 pF (RKM-Code)"_qs} << u""_qs;
    QTest::newRow("2u2K") << u"2u2K"_qs << C << QStringList{u"2,2 µF ±10 % (RKM-Code)"_qs} << u""_qs;
    QTest::newRow("4700µ") << u"4700µ"_qs << C << QStringList{u"4700 µF (Zahl)"_qs} << u""_qs;
    QTest::newRow("capacitor, rings") << u"gelb violett rot gold"_qs << C << QStringList{} << expectsCapacitor;
    QTest::newRow("capacitor, zero") << u"0"_qs << C << QStringList{}
                                     << u"Der Wert liegt außerhalb von 0,01 pF bis 10000 F."_qs;
}

// Every reading, in order, and nothing made up; a message only without one.
void PartValuesTest::readings()
{
    QFETCH(QString, text);
    QFETCH(Part, part);
    QFETCH(QStringList, expected);
    QFETCH(QString, message);

    QCOMPARE(lines(text, part), expected);
    QCOMPARE(partvalues::read(text, part).message, message);
}

void PartValuesTest::writings_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<Part>("part");
    QTest::addColumn<std::optional<Tolerance>>("tolerance");
    QTest::addColumn<QString>("toleranceColour");
    QTest::addColumn<QStringList>("expected"); // value, markings, 4 rings, 5 rings

    const Part R = Part::Resistor;
    const Part C = Part::Capacitor;
    const std::optional<Tolerance> none;
    QTest::newRow("4,7 kOhm J")
        << 4700.0 << R << std::optional(letterTolerance(u'J', 5)) << u"gold"_qs
        << QStringList{u"4,7 kOhm"_qs, u"4K7J"_qs, u"472"_qs, u"4701"_qs, u"nicht als EIA-96-Code darstellbar"_qs,
                       u"gelb violett rot gold"_qs, u"gelb violett schwarz braun gold"_qs};
    QTest::newRow("33 kOhm, multiplier named")
        << 33000.0 << R << none << u"braun"_qs
        << QStringList{u"33 kOhm"_qs, u"33K"_qs, u"333"_qs, u"3302"_qs, u"nicht als EIA-96-Code darstellbar"_qs,
                       u"orange orange orange braun"_qs, u"orange orange schwarz rot braun"_qs};
    QTest::newRow("470 Ohm not 470 000 MOhm")
        << 470.0 << R << none << u"keine"_qs
        << QStringList{u"470 Ohm"_qs, u"470R"_qs, u"471"_qs, u"4700"_qs, u"nicht als EIA-96-Code darstellbar"_qs,
                       u"gelb violett braun"_qs, u""_qs};
    QTest::newRow("49,9 Ohm, E96")
        << 49.9 << R << none << u"braun"_qs
        << QStringList{u"49,9 Ohm"_qs, u"49R9"_qs, u"nicht als 3-stelliger Code darstellbar"_qs, u"49R9"_qs, u"68X"_qs,
                       u"grün schwarz schwarz braun"_qs, u"gelb weiß weiß gold braun"_qs};
    QTest::newRow("4,7 Ohm")
        << 4.7 << R << none << u"gold"_qs
        << QStringList{u"4,7 Ohm"_qs, u"4R7"_qs, u"4R7"_qs, u"4R70"_qs, u"nicht als EIA-96-Code darstellbar"_qs,
                       u"gelb violett gold gold"_qs, u"gelb violett schwarz silber gold"_qs};
    QTest::newRow("zero-ohm link")
        << 0.0 << R << none << u"keine"_qs
        << QStringList{u"0 Ohm"_qs, u"0R"_qs, u"000"_qs, u"0000"_qs, u"nicht als EIA-96-Code darstellbar"_qs, u""_qs,
                       u""_qs};
    QTest::newRow("3,147 kOhm, more digits than the rings")
        << 3147.23 << R << none << u"gold"_qs
        << QStringList{u"3,147 kOhm"_qs, u"3K14723"_qs, u"nicht als 3-stelliger Code darstellbar"_qs,
                       u"nicht als 4-stelliger Code darstellbar"_qs, u"nicht als EIA-96-Code darstellbar"_qs,
                       u"orange braun rot gold"_qs, u"orange braun grün braun gold"_qs};
    QTest::newRow("100 nF J") << 100e-9 << C << std::optional(letterTolerance(u'J', 5)) << u""_qs
                              << QStringList{u"100 nF"_qs, u"104J"_qs, u"100n"_qs + u'J'};
    QTest::newRow("4,7 pF") << 4.7e-12 << C << none << u""_qs << QStringList{u"4,7 pF"_qs, u"479"_qs, u"4p7"_qs};
    QTest::newRow("470 pF") << 470e-12 << C << none << u""_qs << QStringList{u"470 pF"_qs, u"471"_qs, u"470p"_qs};
    QTest::newRow("4,7 nF") << 4.7e-9 << C << none << u""_qs << QStringList{u"4,7 nF"_qs, u"472"_qs, u"4n7"_qs};
    QTest::newRow("4,75 nF") << 4.75e-9 << C << none << u""_qs
                             << QStringList{u"4,75 nF"_qs, u"nicht als 3-stelliger Code darstellbar"_qs, u"4n75"_qs};
}

// The value and each marking; the rings as words where the part has them.
void PartValuesTest::writings()
{
    QFETCH(double, value);
    QFETCH(Part, part);
    QFETCH(std::optional<Tolerance>, tolerance);
    QFETCH(QString, toleranceColour);
    QFETCH(QStringList, expected);

    QStringList actual{partvalues::formatValue(value, part)};
    for (const partvalues::Marking &m : partvalues::markings(value, part, tolerance))
        actual.append(m.text);
    if (part == Part::Resistor) {
        actual.append(partvalues::rings(value, 2, toleranceColour).words);
        actual.append(partvalues::rings(value, 3, toleranceColour).words);
    }
    QCOMPARE(actual, expected);
}

void PartValuesTest::roundTrip_data()
{
    QTest::addColumn<Part>("part");
    QTest::addColumn<int>("firstExponent"); // of the series' first value, 100 hundredths
    QTest::addColumn<int>("decades");
    QTest::newRow("resistors 0,1 Ohm to 100 MOhm") << Part::Resistor << -3 << 9;
    QTest::newRow("capacitors 1 pF to 10 mF") << Part::Capacitor << -14 << 10;
}

// Every marking that can express a standard value reads back to it, and so
// do the rings as words with a tolerance ring.
void PartValuesTest::roundTrip()
{
    QFETCH(Part, part);
    QFETCH(int, firstExponent);
    QFETCH(int, decades);

    int checked = 0;
    for (const common::Series &series : partvalues::seriesOf(part)) {
        for (int decade = 0; decade <= decades; ++decade) {
            for (const int h : series.hundredths) {
                const int exponent = firstExponent + decade;
                const double value = exponent < 0 ? h / std::pow(10.0, -exponent) : h * std::pow(10.0, exponent);
                if (decade == decades && h != 100)
                    break;
                for (const partvalues::Marking &m : partvalues::markings(value, part)) {
                    if (m.possible && !readsBackTo(m.text, part, value))
                        QFAIL(qPrintable(m.text + QStringLiteral(" does not read back to ") + partvalues::formatValue(value, part)));
                    checked += m.possible;
                }
                if (part != Part::Resistor)
                    continue;
                for (const int digits : {2, 3}) {
                    const partvalues::RingCode code = partvalues::rings(value, digits, u"gold");
                    if (code.exact && !readsBackTo(code.words, part, value))
                        QFAIL(qPrintable(code.words + QStringLiteral(" does not read back to ") + partvalues::formatValue(value, part)));
                    checked += code.exact;
                }
            }
        }
    }
    QVERIFY(checked > 500);
}

void PartValuesTest::seriesFollowFormula_data()
{
    QTest::addColumn<std::span<const int>>("series");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("exception"); // the published value where the formula differs, 0 for none
    QTest::newRow("E48") << std::span<const int>(common::kE48) << 48 << 0;
    QTest::newRow("E96") << std::span<const int>(common::kE96) << 96 << 0;
    QTest::newRow("E192, 9,20 for 9,19") << std::span<const int>(common::kE192) << 192 << 920;
}

// 10^(i/n) rounded to two decimals, which catches a typo in the tables.
void PartValuesTest::seriesFollowFormula()
{
    QFETCH(std::span<const int>, series);
    QFETCH(int, count);
    QFETCH(int, exception);

    QCOMPARE(int(series.size()), count);
    for (int i = 0; i < count; ++i) {
        const int formula = int(std::lround(100 * std::pow(10.0, double(i) / count)));
        const int expected = formula == exception - 1 ? exception : formula;
        QCOMPARE(series[std::size_t(i)], expected);
    }
}

void PartValuesTest::neighbours_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<Part>("part");
    QTest::addColumn<QStringList>("expected"); // "E12: ..." for each series

    QTest::newRow("3140 Ohm")
        << 3140.0 << Part::Resistor
        << QStringList{u"E6: 2,2 kOhm (−29,94 %) / 3,3 kOhm (+5,10 %)"_qs,
                       u"E12: 2,7 kOhm (−14,01 %) / 3,3 kOhm (+5,10 %)"_qs,
                       u"E24: 3 kOhm (−4,46 %) / 3,3 kOhm (+5,10 %)"_qs,
                       u"E48: 3,01 kOhm (−4,14 %) / 3,16 kOhm (+0,64 %)"_qs,
                       u"E96: 3,09 kOhm (−1,59 %) / 3,16 kOhm (+0,64 %)"_qs,
                       u"E192: 3,12 kOhm (−0,64 %) / 3,16 kOhm (+0,64 %)"_qs};
    QTest::newRow("9,2 Ohm, E192's exception")
        << 9.2 << Part::Resistor
        << QStringList{u"E6: 6,8 Ohm (−26,09 %) / 10 Ohm (+8,70 %)"_qs, u"E12: 8,2 Ohm (−10,87 %) / 10 Ohm (+8,70 %)"_qs,
                       u"E24: 9,1 Ohm (−1,09 %) / 10 Ohm (+8,70 %)"_qs, u"E48: 9,09 Ohm (−1,20 %) / 9,53 Ohm (+3,59 %)"_qs,
                       u"E96: 9,09 Ohm (−1,20 %) / 9,31 Ohm (+1,20 %)"_qs, u"E192: Normwert"_qs};
    QTest::newRow("10 nF") << 10e-9 << Part::Capacitor
                           << QStringList{u"E6: Normwert"_qs, u"E12: Normwert"_qs, u"E24: Normwert"_qs};
}

void PartValuesTest::neighbours()
{
    QFETCH(double, value);
    QFETCH(Part, part);
    QFETCH(QStringList, expected);

    QStringList actual;
    for (const partvalues::Neighbours &n : partvalues::neighbours(value, part))
        actual.append(n.series.toString() + QStringLiteral(": ") + n.text);
    QCOMPARE(actual, expected);
}

void PartValuesTest::pairs_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<Part>("part");
    QTest::addColumn<int>("series"); // index in seriesOf(part)
    QTest::addColumn<QStringList>("expected"); // series, parallel, message

    QTest::newRow("3140 Ohm, E12")
        << 3140.0 << Part::Resistor << 1
        << QStringList{u"470 Ohm + 2,7 kOhm = 3,17 kOhm (+0,96 %)"_qs,
                       u"3,3 kOhm ∥ 68 kOhm = 3,147 kOhm (+0,23 %)"_qs, u""_qs};
    QTest::newRow("2100 Ohm, E12, tie goes below")
        << 2100.0 << Part::Resistor << 1
        << QStringList{u"270 Ohm + 1,8 kOhm = 2,07 kOhm (−1,43 %)"_qs,
                       u"2,2 kOhm ∥ 47 kOhm = 2,102 kOhm (+0,08 %)"_qs, u""_qs};
    QTest::newRow("4,7 kOhm, E12, single value")
        << 4700.0 << Part::Resistor << 1 << QStringList{u""_qs, u""_qs, u"4,7 kOhm ist ein Normwert der Reihe E12"_qs};
    QTest::newRow("50 nF, E6, capacitors in series divide")
        << 50e-9 << Part::Capacitor << 0
        << QStringList{u"100 nF in Reihe mit 100 nF = 50 nF (0,00 %)"_qs,
                       u"3,3 nF ∥ 47 nF = 50,3 nF (+0,60 %)"_qs, u""_qs};
    QTest::newRow("100 MOhm, beyond two parts")
        << 100e6 << Part::Resistor << 1
        << QStringList{u""_qs, u""_qs, u"Zwei Teile von 1 Ohm bis 10 MOhm ergeben 0,5 Ohm bis 20 MOhm."_qs};
}

void PartValuesTest::pairs()
{
    QFETCH(double, value);
    QFETCH(Part, part);
    QFETCH(int, series);
    QFETCH(QStringList, expected);

    const partvalues::Pairs p = partvalues::bestPairs(value, part, partvalues::seriesOf(part)[std::size_t(series)]);
    QCOMPARE((QStringList{p.series ? p.series->text : QString(), p.parallel ? p.parallel->text : QString(), p.message}),
             expected);
}

QTEST_GUILESS_MAIN(PartValuesTest)
#include "tst_partvalues.moc"
