// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How long "Bauteilwerte" needs for all results of one keystroke: every
// reading of the text and, for the first one, its value, markings, ring
// codes, standard-value neighbours and the best pairs in E192, the longest
// series. Figures only; the goal is well under a millisecond.

#include "pairs.h"
#include "partvalues.h"

#include <QTest>

using common::Part;

Q_DECLARE_METATYPE(Part)

class PartValuesBench : public QObject
{
    Q_OBJECT

private slots:
    void keystroke_data();
    void keystroke();
};

void PartValuesBench::keystroke_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Part>("part");
    // Values that are no standard value, so that each keystroke runs the
    // whole pair search.
    QTest::newRow("3,14k, resistor") << QStringLiteral("3,14k") << Part::Resistor;
    QTest::newRow("gelb gelb rot gold, rings") << QStringLiteral("gelb gelb rot gold") << Part::Resistor;
    QTest::newRow("2,5n, capacitor, E24") << QStringLiteral("2,5n") << Part::Capacitor;
}

void PartValuesBench::keystroke()
{
    QFETCH(QString, text);
    QFETCH(Part, part);
    const common::Series &longest = partvalues::seriesOf(part).back();
    qsizetype produced = 0;
    QBENCHMARK {
        const partvalues::Readings readings = partvalues::read(text, part);
        const partvalues::Reading &r = readings.readings.front();
        produced += partvalues::describe(r, part).size();
        for (const partvalues::Marking &m : partvalues::markings(r.value, part, r.tolerance))
            produced += m.text.size();
        if (part == Part::Resistor) {
            produced += partvalues::rings(r.value, 2, u"gold").words.size();
            produced += partvalues::rings(r.value, 3, u"gold").words.size();
        }
        for (const partvalues::Neighbours &n : partvalues::neighbours(r.value, part))
            produced += n.text.size();
        const partvalues::Pairs pairs = partvalues::bestPairs(r.value, part, longest);
        produced += pairs.series->text.size() + pairs.parallel->text.size();
    }
    QVERIFY(produced > 0);
}

QTEST_GUILESS_MAIN(PartValuesBench)
#include "tst_partvaluesbench.moc"
