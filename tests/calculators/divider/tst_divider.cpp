// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "divider.h"
#include "partvalues.h"

#include <QTest>

#include <cmath>

using divider::Request;
using divider::Task;

Q_DECLARE_METATYPE(Request)

namespace {

constexpr auto kTenths = partvalues::QuantityStyle::Tenths;

Request divide(double input, double output, common::Series series = common::kSeriesE24)
{
    Request q;
    q.input = input;
    q.wanted = output;
    q.from = 10e3;
    q.to = 100e3;
    q.series = series;
    return q;
}

Request amplify(double gain)
{
    Request q = divide(0, gain);
    q.task = Task::Amplifier;
    return q;
}

Request regulate(double output)
{
    Request q = divide(0, output);
    q.task = Task::Regulator;
    q.from = 5e-3;
    q.to = 10e-3;
    return q;
}

QString rowText(const divider::Choice &c)
{
    return c.r1.text() + QStringLiteral(" / ") + c.r2.text() + QStringLiteral(": ")
           + partvalues::formatQuantity(c.result, u"", kTenths) + QStringLiteral(" (") + partvalues::formatDeviation(c.deviation) + u')';
}

} // namespace

class DividerTest : public QObject
{
    Q_OBJECT

private slots:
    void bestRows_data()
    {
        QTest::addColumn<Request>("request");
        QTest::addColumn<QString>("expected"); // the first rows, the three-resistor row after "3R:", or the message
        const auto row = [](const char *name, const Request &q, QStringView expected) {
            QTest::newRow(name) << q << expected.toString();
        };
        row("12 V to 5 V, E24", divide(12, 5),
            u"18 kOhm / 13 kOhm: 5,032 (+0,65 %) | 51 kOhm / 36 kOhm: 4,966 (\u22120,69 %)");
        row("12 V to 5 V, E12", divide(12, 5, common::kSeriesE12), u"47 kOhm / 33 kOhm: 4,95 (\u22121,00 %)");
        Request loaded = divide(12, 5);
        loaded.load = 10e3;
        row("12 V to 5 V, 10 kOhm load, E24", loaded, u"11 kOhm / 36 kOhm: 4,988 (\u22120,23 %)");
        row("gain 4,7, E24", amplify(4.7), u"10 kOhm / 2,7 kOhm: 4,704 (+0,08 %)");
        row("regulator 12 V, E24, presets", regulate(12), u"130 Ohm / 1,1 kOhm: 11,88 (\u22120,98 %)");
        row("-12 V to -5 V, like the positive", divide(-12, -5),
            u"18 kOhm / 13 kOhm: \u22125,032 (+0,65 %)");
        row("tie: the result below first; each ratio once, nearest the middle", amplify(61.0 / 30),
            u"16 kOhm / 16 kOhm: 2 (\u22121,64 %) | 16 kOhm / 15 kOhm: 2,067 (+1,64 %)");
        Request three = divide(12, 5);
        three.threeResistors = true;
        row("12 V to 5 V, three resistors", three,
            u"18 kOhm / 13 kOhm: 5,032 (+0,65 %) | 51 kOhm / 36 kOhm: 4,966 (\u22120,69 %) | "
            u"47 kOhm / 33 kOhm: 4,95 (\u22121,00 %) | 22 kOhm / 16 kOhm: 5,053 (+1,05 %) | "
            u"13 kOhm / 9,1 kOhm: 4,941 (\u22121,18 %) | 3R: 10 kOhm / 150 kOhm \u2225 7,5 kOhm: 5 (0,00 %)");
        row("5 V from 5 V refused", divide(5, 5), u"Die Ausgangsspannung muss kleiner als die Eingangsspannung sein.");
        row("signs differ", divide(12, -5), u"Ein- und Ausgangsspannung brauchen dasselbe Vorzeichen.");
        row("gain 1 refused", amplify(1), u"Die Verstärkung muss größer als 1 sein.");
        row("regulator at its reference", regulate(1.25),
            u"Die Ausgangsspannung muss größer als die Referenzspannung sein.");
        Request swapped = divide(12, 5);
        swapped.from = 100e3;
        swapped.to = 10e3;
        row("von above bis", swapped, u"„von“ liegt über „bis“.");
        Request narrow = divide(12, 5);
        narrow.from = 1;
        narrow.to = 1.5;
        row("no pair in range", narrow, u"Kein Paar der Reihe E24 liegt zwischen „von“ und „bis“.");
    }

    void bestRows()
    {
        QFETCH(Request, request);
        QFETCH(QString, expected);
        const divider::Choices found = divider::search(request);
        QStringList actual;
        for (const divider::Choice &c : found.best)
            actual.append(rowText(c));
        if (found.three)
            actual.append(QStringLiteral("3R: ") + rowText(*found.three));
        if (!found.message.isEmpty())
            actual.append(found.message);
        QCOMPARE(actual.mid(0, expected.count(u" | ") + 1).join(u" | "), expected);
    }

    // 18 kOhm / 13 kOhm at ±5 %: R1 high and R2 low, then the other way round.
    void worstCaseOfOneRow()
    {
        const Request q = divide(12, 5);
        const divider::Choice c = divider::search(q).best.front();
        const divider::Range range = divider::worstCase(q, c);
        QCOMPARE(range.lowest, 12 * 13e3 * 0.95 / (18e3 * 1.05 + 13e3 * 0.95));
        QCOMPARE(range.highest, 12 * 13e3 * 1.05 / (18e3 * 0.95 + 13e3 * 1.05));
        QCOMPARE(partvalues::formatQuantity(range.lowest, u"V", kTenths) + u' '
                     + partvalues::formatQuantity(range.highest, u"V", kTenths) + u' '
                     + partvalues::formatQuantity(*c.current, u"A", kTenths) + u' '
                     + partvalues::formatQuantity(*c.powerR1, u"W", kTenths),
                 u"4,742 V 5,327 V 0,3871 mA 2,697 mW"_qs);
    }

    void quantities_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("written"); // read, then written again; empty where the text is refused
        QTest::newRow("50 µA") << u"50 µA"_qs << u"A"_qs << u"50 µA"_qs;
        QTest::newRow("0,5m, prefix without unit") << u"0,5m"_qs << u"V"_qs << u"0,5 mV"_qs;
        QTest::newRow("12.5, decimal point") << u"12.5"_qs << u"V"_qs << u"12,5 V"_qs;
        QTest::newRow("minus sign") << u"\u22123,3 v"_qs << u"V"_qs << u"\u22123,3 V"_qs;
        QTest::newRow("99,996 mV rounds up to 0,1 V") << u"99,996 mV"_qs << u"V"_qs << u"0,1 V"_qs;
        QTest::newRow("0,38715 mA, half away from zero") << u"0,38715 mA"_qs << u"A"_qs << u"0,3872 mA"_qs;
        QTest::newRow("the wrong unit") << u"12 kOhm"_qs << u"V"_qs << QString();
        QTest::newRow("-12345,6 V keeps its whole digits") << u"-12345,6 V"_qs << u"V"_qs << u"\u221212346 V"_qs;
        QTest::newRow("0,0001 V, digits below 0,001") << u"0,0001 V"_qs << u"V"_qs << QString();
        QTest::newRow("1 GV, no giga") << u"1 GV"_qs << u"V"_qs << QString();
    }

    void quantities()
    {
        QFETCH(QString, text);
        QFETCH(QString, unit);
        QFETCH(QString, written);
        const std::optional<double> value = partvalues::readQuantity(text, unit, kTenths);
        QCOMPARE(value ? partvalues::formatQuantity(*value, unit, kTenths) : QString(), written);
    }

    // Every row's result, recomputed here from its parts, is what the row
    // says, and the rows keep to the bounds and come best first.
    void rowsHoldWhatTheySay_data()
    {
        QTest::addColumn<Request>("request");
        Request loaded = divide(12, 1);
        loaded.load = 4.7e3;
        loaded.threeResistors = true;
        Request regulator = regulate(1.3);
        regulator.threeResistors = true;
        QTest::newRow("divider, E96") << divide(24, 1, common::kSeriesE96);
        QTest::newRow("divider with load, three resistors") << loaded;
        QTest::newRow("amplifier") << amplify(1.01);
        QTest::newRow("regulator, three resistors") << regulator;
    }

    void rowsHoldWhatTheySay()
    {
        QFETCH(Request, request);
        const double start = request.wanted;
        for (int step = 0; step < 40; ++step) {
            request.wanted = start * (1 + step * 0.37);
            if (request.task == Task::Divider && request.wanted >= request.input)
                break;
            const divider::Choices found = divider::search(request);
            QVERIFY2(!found.best.empty(), qPrintable(found.message));
            std::vector<divider::Choice> rows = found.best;
            if (found.three)
                rows.push_back(*found.three);
            for (const divider::Choice &c : rows) {
                const double a = c.r1.value();
                const double b = c.r2.value();
                const double below = request.load ? b * *request.load / (b + *request.load) : b;
                const double result = request.task == Task::Divider     ? request.input * below / (a + below)
                                      : request.task == Task::Amplifier ? (a + b) / b
                                                                        : 1.25 * (a + b) / a + 50e-6 * b;
                QCOMPARE(partvalues::formatQuantity(c.result, u"", kTenths),
                         partvalues::formatQuantity(result, u"", kTenths));
                QVERIFY(std::abs(c.deviation - (result / request.wanted - 1)) < 1e-9);
                const double bounded = request.task == Task::Regulator ? 1.25 / a : a + b;
                QVERIFY(bounded >= request.from * (1 - 1e-9) && bounded <= request.to * (1 + 1e-9));
            }
            for (std::size_t i = 1; i < found.best.size(); ++i)
                QVERIFY(std::abs(found.best[i - 1].deviation) <= std::abs(found.best[i].deviation) + 1e-12);
            if (found.three)
                QVERIFY(std::abs(found.three->deviation) < std::abs(found.best.front().deviation));
        }
    }
};

QTEST_GUILESS_MAIN(DividerTest)
#include "tst_divider.moc"
