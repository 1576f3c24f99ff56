// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "partvalueswindow.h"
#include "steps.h"
#include "useractions.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

// What a control shows: a field's or label's text, a drop-down's choice,
// a drawing's description for screen readers.
QString shown(const QWidget *window, const QString &name)
{
    const auto *widget = testing::child<QWidget>(window, name);
    if (const auto *field = qobject_cast<const QLineEdit *>(widget))
        return field->text();
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (const auto *list = qobject_cast<const QComboBox *>(widget))
        return list->currentText();
    return widget->accessibleDescription();
}

} // namespace

// Results follow the typing, with no button; a text with several readings
// offers them, and the rest of the window follows the one picked.
class PartValuesWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_window.open()); }
    void cleanup() { m_window.close(); }
    void typingFillsResults_data();
    void typingFillsResults();
    void ambiguousTextOffersReadings();

private:
    testing::WindowFixture<Form11> m_window;
};

void PartValuesWindowTest::typingFillsResults_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("shows"); // "name=text"

    // Text2 value, Text4 RKM, Text8 capacitor code, Text10 and Text11 the
    // pairs, Text18 and Text19 the rings, Picture1 the 4 rings drawn,
    // Label4 the message.
    QTest::newRow("4K7, resistor")
        << QStringList{u"Text1=4K7"_qs}
        << QStringList{u"Text2=4,7 kOhm"_qs, u"Text4=4K7"_qs, u"Text18=gelb violett rot gold"_qs,
                       u"Text19=gelb violett schwarz braun gold"_qs,
                       u"Picture1=1. Ziffer: gelb, 2. Ziffer: violett, Multiplikator: rot, Toleranz: gold"_qs,
                       u"Label4="_qs};
    QTest::newRow("rings give the tolerance")
        << QStringList{u"Text1=braun schwarz orange braun"_qs}
        << QStringList{u"Text2=10 kOhm ±1 %"_qs, u"Combo2=±1 % (braun)"_qs,
                       u"Text18=braun schwarz orange braun"_qs};
    QTest::newRow("3,14k, E12 pairs")
        << QStringList{u"Text1=3,14k"_qs}
        << QStringList{u"Text10=470 Ohm + 2,7 kOhm = 3,17 kOhm (+0,96 %)"_qs,
                       u"Text11=3,3 kOhm ∥ 68 kOhm = 3,147 kOhm (+0,23 %)"_qs};
    QTest::newRow("104J, capacitor")
        << QStringList{u"Option2"_qs, u"Text1=104J"_qs}
        << QStringList{u"Text2=100 nF ±5 %"_qs, u"Text8=104J"_qs};
    QTest::newRow("no reading keeps the results")
        << QStringList{u"Text1=4K7"_qs, u"Text1+x"_qs}
        << QStringList{u"Text2=4,7 kOhm"_qs, u"Text4=4K7"_qs};
    QTest::newRow("emptied field empties the results")
        << QStringList{u"Text1=4K7"_qs, u"Text1="_qs}
        << QStringList{u"Text2="_qs, u"Text4="_qs, u"Text18="_qs, u"Picture1="_qs};
    QTest::newRow("the part read again")
        << QStringList{u"Text1=470"_qs, u"Option2"_qs}
        << QStringList{u"Text2=47 pF"_qs, u"Text8=470"_qs};
}

void PartValuesWindowTest::typingFillsResults()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, shows);
    const QString fault = testing::doSteps(m_window.get(), steps);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    QCoreApplication::processEvents();
    for (const QString &expected : shows) {
        const QString name = expected.section(u'=', 0, 0);
        QCOMPARE(name + u'=' + shown(m_window.get(), name), expected);
    }
    QVERIFY(m_window.warnings().isEmpty());
}

void PartValuesWindowTest::ambiguousTextOffersReadings()
{
    auto *readings = testing::child<QComboBox>(m_window.get(), u"Combo1"_qs);
    QVERIFY(!readings->isVisible());
    QVERIFY(testing::doSteps(m_window.get(), {u"Text1=470"_qs}).isEmpty());
    QVERIFY(readings->isVisible());
    QCOMPARE(readings->count(), 2);
    QCOMPARE(shown(m_window.get(), u"Text2"_qs), u"470 Ohm"_qs);
    QVERIFY(testing::pick(readings, readings->itemText(1)));
    QCOMPARE(shown(m_window.get(), u"Text2"_qs), u"47 Ohm"_qs);
    QCOMPARE(shown(m_window.get(), u"Text5"_qs), u"470"_qs);
    // One reading: the drop-down goes.
    QVERIFY(testing::doSteps(m_window.get(), {u"Text1=4K7"_qs}).isEmpty());
    QVERIFY(!readings->isVisible());
}

QTEST_MAIN(PartValuesWindowTest)
#include "tst_partvalueswindow.moc"
