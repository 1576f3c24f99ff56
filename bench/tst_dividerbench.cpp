// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How long "Spannungsteiler" needs for all results of one change: the
// search, every cell of the table, and the worst case of the selected row,
// in E24 and E192, with and without three resistors. The three-resistor
// search builds a table of every two-part leg of a series once; tableBuild
// times that first search apart. Figures only; the goals are under 1 ms
// for two resistors in E192 and under 20 ms with three.

#include "divider.h"
#include "partvalues.h"

#include <QElapsedTimer>
#include <QSet>
#include <QTest>

Q_DECLARE_METATYPE(divider::Request)

class DividerBench : public QObject
{
    Q_OBJECT

private slots:
    void tableBuild_data();
    void tableBuild();
    void change_data();
    void change();
};

namespace {

constexpr auto kTenths = partvalues::QuantityStyle::Tenths;

divider::Request request(const common::Series &series, bool three)
{
    divider::Request q;
    q.input = 12;
    q.wanted = 5;
    q.load = 47e3; // every pair gives its own result: no ratio listed once
    q.from = 10e3;
    q.to = 100e3;
    q.series = series;
    q.threeResistors = three;
    return q;
}

void addRows(bool withTwo)
{
    QTest::addColumn<divider::Request>("request");
    for (const common::Series &series : {common::kSeriesE24, common::kSeriesE192}) {
        const QByteArray name = series.name.toLatin1();
        if (withTwo)
            QTest::newRow(name + ", two resistors") << request(series, false);
        QTest::newRow(name + ", three resistors") << request(series, true);
    }
}

} // namespace

void DividerBench::tableBuild_data()
{
    addRows(false);
}

// The first three-resistor search of a series, with its table build,
// printed as "first search: <ms> ms". Only the first call of each row
// counts, since later ones find the table (QtTest may call a row twice).
void DividerBench::tableBuild()
{
    QFETCH(divider::Request, request);
    static QSet<QByteArray> timed;
    QElapsedTimer timer;
    timer.start();
    const divider::Choices found = divider::search(request);
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    if (!timed.contains(QTest::currentDataTag())) {
        timed.insert(QTest::currentDataTag());
        qInfo().noquote() << QStringLiteral("first search: %1 ms").arg(ms, 0, 'f', 1);
    }
    QVERIFY(!found.best.empty());
}

void DividerBench::change_data()
{
    addRows(true);
}

void DividerBench::change()
{
    QFETCH(divider::Request, request);
    divider::search(request); // any table built before timing
    qsizetype produced = 0;
    QBENCHMARK {
        const divider::Choices found = divider::search(request);
        std::vector<divider::Choice> rows = found.best;
        if (found.three)
            rows.push_back(*found.three);
        for (const divider::Choice &c : rows) {
            produced += c.r1.text().size() + c.r2.text().size()
                        + partvalues::formatQuantity(c.result, u"V", kTenths).size()
                        + partvalues::formatDeviation(c.deviation).size()
                        + partvalues::formatQuantity(*c.current, u"A", kTenths).size()
                        + partvalues::formatQuantity(*c.powerR1, u"W", kTenths).size()
                        + partvalues::formatQuantity(*c.powerR2, u"W", kTenths).size();
        }
        const divider::Range range = divider::worstCase(request, rows.front());
        produced += partvalues::formatQuantity(range.lowest, u"V", kTenths).size()
                    + partvalues::formatQuantity(range.highest, u"V", kTenths).size();
    }
    QVERIFY(produced > 0);
}

QTEST_GUILESS_MAIN(DividerBench)
#include "tst_dividerbench.moc"
