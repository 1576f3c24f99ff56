// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "standardvalues.h"

#include <QTest>

#include <cmath>
#include <limits>
#include <optional>

using common::Part;

Q_DECLARE_METATYPE(common::Part)

namespace {

// Empty for a name that is no series, which the test then reports.
std::optional<common::Series> seriesNamed(const QString &name)
{
    for (const common::Series &series :
         {common::kSeriesE6, common::kSeriesE12, common::kSeriesE24, common::kSeriesE96}) {
        if (series.name == name)
            return series;
    }
    return std::nullopt;
}

} // namespace

class StandardValuesTest : public QObject
{
    Q_OBJECT

private slots:
    void nearest_data();
    void nearest();
    void e96IsRoundedPowersOfTen();
    void e24IsPublishedList();
    void e12AndE6AreEverySecondAndFourthOfE24();
};

void StandardValuesTest::nearest_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<Part>("part");
    QTest::addColumn<QString>("series");
    QTest::addColumn<QString>("written");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();

    QTest::newRow("17,5 kOhm, E12") << 17500.0 << Part::Resistor << "E12" << "18 kOhm";
    QTest::newRow("17,5 kOhm, E96") << 17500.0 << Part::Resistor << "E96" << "17,4 kOhm";
    QTest::newRow("250 Ohm, E12") << 250.0 << Part::Resistor << "E12" << "270 Ohm";
    QTest::newRow("0,47 Ohm, E12") << 0.47 << Part::Resistor << "E12" << "0,47 Ohm";
    QTest::newRow("0,0104 Ohm, E96") << 0.0104 << Part::Resistor << "E96" << "0,0105 Ohm";
    QTest::newRow("9,8 kOhm, E12, next decade") << 9800.0 << Part::Resistor << "E12" << "10 kOhm";
    QTest::newRow("999 Ohm, E24, into kOhm") << 999.0 << Part::Resistor << "E24" << "1 kOhm";
    QTest::newRow("1,04 kOhm, E24, down to the decade start") << 1040.0 << Part::Resistor << "E24" << "1 kOhm";
    QTest::newRow("1 MOhm, E96") << 1e6 << Part::Resistor << "E96" << "1 MOhm";
    QTest::newRow("2,2 GOhm, E24") << 2.2e9 << Part::Resistor << "E24" << "2,2 GOhm";
    // The square of this mean comes out a rounding below 120 × 150.
    QTest::newRow("tie of 120 and 150 Ohm, E12") << std::sqrt(120.0 * 150.0) << Part::Resistor << "E12" << "150 Ohm";
    QTest::newRow("just below that tie") << std::sqrt(120.0 * 150.0) * (1 - 1e-9) << Part::Resistor << "E12"
                                         << "120 Ohm";
    QTest::newRow("tie of 8,2 and 10 kOhm, E12") << std::sqrt(8200.0 * 10000.0) << Part::Resistor << "E12"
                                                 << "10 kOhm";
    QTest::newRow("tie of 0,976 and 1 Ohm, E96") << std::sqrt(0.976) << Part::Resistor << "E96" << "1 Ohm";
    QTest::newRow("0,01 Ohm, lowest") << 0.01 << Part::Resistor << "E12" << "0,01 Ohm";
    QTest::newRow("0,0099 Ohm, too small") << 0.0099 << Part::Resistor << "E12" << "";
    QTest::newRow("100 GOhm, highest") << 1e11 << Part::Resistor << "E96" << "100 GOhm";
    QTest::newRow("101 GOhm, too large") << 1.01e11 << Part::Resistor << "E96" << "";
    QTest::newRow("zero Ohm") << 0.0 << Part::Resistor << "E12" << "";
    QTest::newRow("-3 kOhm") << -3000.0 << Part::Resistor << "E12" << "";
    QTest::newRow("NaN Ohm") << nan << Part::Resistor << "E12" << "";
    QTest::newRow("infinite Ohm") << infinity << Part::Resistor << "E12" << "";

    QTest::newRow("795,77 nF, E6") << 795.77e-9 << Part::Capacitor << "E6" << "680 nF";
    QTest::newRow("795,77 nF, E12") << 795.77e-9 << Part::Capacitor << "E12" << "820 nF";
    QTest::newRow("4,7 mF, E6, in µF") << 4.7e-3 << Part::Capacitor << "E6" << QString::fromUtf8("4700 µF");
    QTest::newRow("0,99 nF, E12, into nF") << 0.99e-9 << Part::Capacitor << "E12" << "1 nF";
    QTest::newRow("1 µF, E6") << 1e-6 << Part::Capacitor << "E6" << QString::fromUtf8("1 µF");
    QTest::newRow("3,3 pF, E12") << 3.3e-12 << Part::Capacitor << "E12" << "3,3 pF";
    QTest::newRow("0,95 F, E6, into F") << 0.95 << Part::Capacitor << "E6" << "1 F";
    QTest::newRow("0,1 pF, lowest") << 1e-13 << Part::Capacitor << "E6" << "0,1 pF";
    QTest::newRow("0,099 pF, too small") << 0.99e-13 << Part::Capacitor << "E6" << "";
    QTest::newRow("10 F, highest") << 10.0 << Part::Capacitor << "E12" << "10 F";
    QTest::newRow("10,1 F, too large") << 10.1 << Part::Capacitor << "E12" << "";
    QTest::newRow("zero F") << 0.0 << Part::Capacitor << "E6" << "";
}

void StandardValuesTest::nearest()
{
    QFETCH(double, value);
    QFETCH(Part, part);
    QFETCH(QString, series);
    QFETCH(QString, written);
    const std::optional<common::Series> named = seriesNamed(series);
    QVERIFY2(named, qPrintable(QStringLiteral("no series %1").arg(series)));
    QCOMPARE(common::nearestStandardValue(value, part, *named), written);
    // No hint where there is no standard value.
    QCOMPARE(common::nearestStandardValues(value, part).isEmpty(), written.isEmpty());
}

void StandardValuesTest::e96IsRoundedPowersOfTen()
{
    QCOMPARE(std::size(common::kE96), std::size_t(96));
    for (int i = 0; i < 96; ++i)
        QCOMPARE(common::kE96[i], qRound(100 * std::pow(10.0, i / 96.0)));
}

void StandardValuesTest::e24IsPublishedList()
{
    // The published list follows 10^(i/24) rounded to one decimal but for
    // these eight, which it keeps from before the rule.
    const QList<int> historical = {270, 300, 330, 360, 390, 430, 470, 820};
    QList<int> differing;
    QCOMPARE(std::size(common::kE24), std::size_t(24));
    for (int i = 0; i < 24; ++i) {
        const int rounded = 10 * qRound(10 * std::pow(10.0, i / 24.0));
        if (common::kE24[i] != rounded) {
            differing.append(common::kE24[i]);
            QVERIFY2(std::abs(common::kE24[i] - rounded) == 10, qPrintable(QString::number(common::kE24[i])));
        }
    }
    QCOMPARE(differing, historical);
}

void StandardValuesTest::e12AndE6AreEverySecondAndFourthOfE24()
{
    for (int i = 0; i < 12; ++i)
        QCOMPARE(common::kE12[i], common::kE24[2 * i]);
    for (int i = 0; i < 6; ++i)
        QCOMPARE(common::kE6[i], common::kE24[4 * i]);
}

QTEST_APPLESS_MAIN(StandardValuesTest)
#include "tst_standardvalues.moc"
