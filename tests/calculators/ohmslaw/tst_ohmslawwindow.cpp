// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ohmslawwindow.h"

#include "entryfield.h"
#include "resultfield.h"
#include "steps.h"
#include "useractions.h"

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace Qt::StringLiterals;

// The three value fields, top to bottom: voltage, current, resistance.
static const QStringList kFields = {QStringLiteral("Text1"), QStringLiteral("Text2"), QStringLiteral("Text3")};
static const QStringList kSelectors = {QStringLiteral("Combo1"), QStringLiteral("Combo2"), QStringLiteral("Combo3")};

// A text that leaves a field as it is in the tables below.
static const QString kKeep = QStringLiteral("=");

class OhmsLawWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void calculates_data();
    void calculates();
    void refusalsAfterResult_data();
    void refusalsAfterResult();
    void pastedOverflow_data();
    void pastedOverflow();
    void disabledUntilAFieldChanges_data();
    void disabledUntilAFieldChanges();
    void eachFormat_data();
    void eachFormat();
    void formatChangeRewritesResult();
    void formatChangeEndingInWarning_data();
    void formatChangeEndingInWarning();
    void clearButtons_data();
    void clearButtons();
    void unitPickEmptiesRowKeepsMark();
    void standardValuesOfComputedResistance_data();
    void standardValuesOfComputedResistance();
    void keyboardOrder();

private:
    QLineEdit *field(int row) const { return testing::child<QLineEdit>(m_form.get(), kFields[row]); }
    QPushButton *calculateButton() const { return testing::child<QPushButton>(m_form.get(), u"Command1"_s); }
    void option(const QString &name) const { testing::click(testing::child<QRadioButton>(m_form.get(), name)); }
    void pickUnits(const QStringList &units) const;
    void enter(const QStringList &entries) const;
    QStringList texts() const;
    QString redField() const;
    // 12 V over 2,2 kOhm, the current in mA with two decimals: 5,45 in Text2.
    void typicalResult();

    testing::WindowFixture<Form6> m_form;
};

void OhmsLawWindowTest::init()
{
    QVERIFY(m_form.open());
}

void OhmsLawWindowTest::cleanup()
{
    m_form.close();
}

void OhmsLawWindowTest::pickUnits(const QStringList &units) const
{
    for (int row = 0; row < units.size(); ++row) {
        auto *selector = testing::child<QComboBox>(m_form.get(), kSelectors[row]);
        if (selector->currentText() != units[row])
            QVERIFY(testing::pick(selector, units[row]));
    }
}

void OhmsLawWindowTest::enter(const QStringList &entries) const
{
    for (int row = 0; row < entries.size(); ++row) {
        if (entries[row] != kKeep)
            testing::typeInto(field(row), entries[row]);
    }
}

QStringList OhmsLawWindowTest::texts() const
{
    return testing::texts(m_form.get(), kFields);
}

QString OhmsLawWindowTest::redField() const
{
    QStringList red;
    for (int row = 0; row < 3; ++row) {
        const QColor colour = common::textColour(field(row));
        if (colour == Qt::red)
            red << kFields[row];
        else if (colour != Qt::black)
            red << QStringLiteral("odd colour ") + colour.name();
    }
    return red.join(u',');
}

void OhmsLawWindowTest::typicalResult()
{
    pickUnits({u"V"_s, u"mA"_s, u"kOhm"_s});
    enter({u"12"_s, QString(), u"2,2"_s});
    option(u"Option3"_s);
    testing::click(calculateButton());
    QCOMPARE(texts(), QStringList({u"12"_s, u"5,45"_s, u"2,2"_s}));
    QCOMPARE(redField(), u"Text2"_s);
    QVERIFY(!calculateButton()->isEnabled());
    QVERIFY(m_form.warnings().isEmpty());
}

void OhmsLawWindowTest::calculates_data()
{
    QTest::addColumn<QStringList>("units");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QString>("red");
    QTest::addColumn<QString>("warning");

    const QStringList basic = {u"V"_s, u"A"_s, u"Ohm"_s};
    const QString micro = QStringLiteral("\u00B5");
    QTest::newRow("12 V, 2,2 kOhm, mA, 2 Dezimalstellen")
        << QStringList{u"V"_s, u"mA"_s, u"kOhm"_s} << "Option3" << QStringList{"12", "", "2,2"}
        << QStringList{"12", "5,45", "2,2"} << "Text2" << "";
    QTest::newRow("10 V, 2 mA, kOhm")
        << QStringList{u"V"_s, u"mA"_s, u"kOhm"_s} << "Option1" << QStringList{"10", "2", ""}
        << QStringList{"10", "2", "5"} << "Text3" << "";
    QTest::newRow("1 MOhm, 1 µA, mV, ohne Formatierung")
        << QStringList{u"mV"_s, micro + u'A', u"MOhm"_s} << "Option1" << QStringList{"", "1", "1"}
        << QStringList{"1000", "1", "1"} << "Text1" << "";
    QTest::newRow("1 MOhm, 1 µA, mV, mit Tausender")
        << QStringList{u"mV"_s, micro + u'A', u"MOhm"_s} << "Option2" << QStringList{"", "1", "1"}
        << QStringList{"1.000,0", "1", "1"} << "Text1" << "";
    QTest::newRow("full stop and minus are not typed")
        << basic << "Option1" << QStringList{"-1.5", "", "3"} << QStringList{"15", "5", "3"} << "Text2" << "";
    QTest::newRow("typing stops at 20 characters")
        << basic << "Option1" << QStringList{"123456789012345678901234", "", "1"}
        << QStringList{"12345678901234567890", "1,23456789012346E+19", "1"} << "Text2" << "";
    QTest::newRow("a grouped result longer than 20 characters is not cut")
        << QStringList{u"V"_s, micro + u'A', u"Ohm"_s} << "Option5" << QStringList{"1000000", "1", ""}
        << QStringList{"1000000", "1", "1.000.000.000.000,000000"} << "Text3" << "";
    QTest::newRow("all empty") << basic << "Option1" << QStringList{"", "", ""} << QStringList{"0", "0", "0"}
                               << "" << "alle Ausgangswerte 0";
    QTest::newRow("blanks only and 0,0 are zero")
        << basic << "Option1" << QStringList{"  ", "0,0", ""} << QStringList{"0", "0,0", "0"} << ""
        << "alle Ausgangswerte 0";
    QTest::newRow("all given") << basic << "Option1" << QStringList{"1", "2", "3"} << QStringList{"1", "2", "3"}
                               << "" << "ein Eintrag muß 0 sein (für Ergebnis)";
    QTest::newRow("only the resistance") << basic << "Option1" << QStringList{"", "", "1"}
                                         << QStringList{"0", "0", "1"} << "" << "Strom und Widerstand festlegen";
    QTest::newRow("only the current") << basic << "Option1" << QStringList{"", "1", ""}
                                      << QStringList{"0", "1", "0"} << "" << "Strom und Widerstand festlegen";
    QTest::newRow("only the voltage") << basic << "Option1" << QStringList{"1", "", ""}
                                      << QStringList{"1", "0", "0"} << "" << "Spannung und Widerstand festlegen";
    QTest::newRow("two commas") << basic << "Option1" << QStringList{"1,,2", "", "1"}
                                << QStringList{"1,,2", "0", "1"} << "" << "falsche Eingabe";
    QTest::newRow("blank between digits") << basic << "Option1" << QStringList{"1", "", "2 2"}
                                          << QStringList{"1", "0", "2 2"} << "" << "falsche Eingabe";
}

void OhmsLawWindowTest::calculates()
{
    QFETCH(QStringList, units);
    QFETCH(QString, format);
    QFETCH(QStringList, entries);
    QFETCH(QStringList, shown);
    QFETCH(QString, red);
    QFETCH(QString, warning);

    pickUnits(units);
    option(format);
    enter(entries);
    testing::click(calculateButton());

    QCOMPARE(texts(), shown);
    QCOMPARE(redField(), red);
    QCOMPARE(m_form.warnings(), warning.isEmpty() ? QStringList() : QStringList{warning});
    // Disabled after a result; a warning leaves it enabled.
    QCOMPARE(calculateButton()->isEnabled(), red.isEmpty());
}

void OhmsLawWindowTest::refusalsAfterResult_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QString>("red");
    QTest::addColumn<QString>("warning");

    QTest::newRow("all given keeps the mark")
        << QStringList{kKeep, "1", kKeep} << QStringList{"12", "1", "2,2"} << "Text2"
        << "ein Eintrag muß 0 sein (für Ergebnis)";
    QTest::newRow("all zero keeps the mark")
        << QStringList{"", "", ""} << QStringList{"0", "0", "0"} << "Text2" << "alle Ausgangswerte 0";
    QTest::newRow("not a number keeps the mark")
        << QStringList{"1,,2", kKeep, kKeep} << QStringList{"1,,2", "5,45", "2,2"} << "Text2" << "falsche Eingabe";
    QTest::newRow("only the voltage removes the mark")
        << QStringList{kKeep, "", ""} << QStringList{"12", "0", "0"} << "" << "Spannung und Widerstand festlegen";
    QTest::newRow("only the resistance removes the mark")
        << QStringList{"", "", kKeep} << QStringList{"0", "0", "2,2"} << "" << "Strom und Widerstand festlegen";
}

void OhmsLawWindowTest::refusalsAfterResult()
{
    QFETCH(QStringList, entries);
    QFETCH(QStringList, shown);
    QFETCH(QString, red);
    QFETCH(QString, warning);

    typicalResult();
    enter(entries);
    testing::click(calculateButton());

    QCOMPARE(texts(), shown);
    QCOMPARE(redField(), red);
    QCOMPARE(m_form.warnings(), QStringList{warning});
    QVERIFY(calculateButton()->isEnabled());
}

void OhmsLawWindowTest::pastedOverflow_data()
{
    QTest::addColumn<QStringList>("units");
    QTest::addColumn<QStringList>("pasted");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("1E306 MOhm beyond the double range")
        << QStringList{"V", "mA", "MOhm"} << QStringList{kKeep, "", "1E306"} << QStringList{"12", "0", "1E306"};
    QTest::newRow("1E300 V over 1E-10 kOhm, in mA beyond the double range")
        << QStringList{"V", "mA", "kOhm"} << QStringList{"1E300", "", "1E-10"}
        << QStringList{"1E300", "0", "1E-10"};
}

void OhmsLawWindowTest::pastedOverflow()
{
    QFETCH(QStringList, units);
    QFETCH(QStringList, pasted);
    QFETCH(QStringList, shown);

    typicalResult();
    pickUnits(units);
    for (int row = 0; row < 3; ++row) {
        if (pasted[row].isEmpty())
            testing::clearField(field(row));
        else if (pasted[row] != kKeep)
            QVERIFY(testing::pasteOver(testing::child<common::EntryField>(m_form.get(), kFields[row]), pasted[row]));
    }
    testing::click(calculateButton());

    QCOMPARE(m_form.warnings(), QStringList{u"falsche Eingabe"_s});
    QCOMPARE(texts(), shown);
    QCOMPARE(redField(), u"Text2"_s);
    QVERIFY(calculateButton()->isEnabled());
}

void OhmsLawWindowTest::disabledUntilAFieldChanges_data()
{
    QTest::addColumn<int>("action");
    QTest::newRow("typing into the voltage") << 0;
    QTest::newRow("picking a current unit") << 1;
    QTest::newRow("clearing the resistance") << 2;
}

void OhmsLawWindowTest::disabledUntilAFieldChanges()
{
    QFETCH(int, action);
    typicalResult();
    testing::click(calculateButton());
    QVERIFY(m_form.warnings().isEmpty());
    QCOMPARE(texts(), QStringList({u"12"_s, u"5,45"_s, u"2,2"_s}));

    switch (action) {
    case 0:
        testing::typeAppend(field(0), u"0"_s);
        break;
    case 1:
        pickUnits({u"V"_s, u"A"_s, u"kOhm"_s});
        break;
    case 2:
        testing::click(testing::child<QPushButton>(m_form.get(), u"Command4"_s));
        break;
    }
    QVERIFY(calculateButton()->isEnabled());
}

void OhmsLawWindowTest::eachFormat_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shown");
    QTest::newRow("Option1") << "Option1" << "ohne Formatierung" << "1234,5678";
    QTest::newRow("Option2") << "Option2" << "mit Tausender" << "1.234,5678";
    QTest::newRow("Option3") << "Option3" << "2 Dezimalstellen" << "1.234,57";
    QTest::newRow("Option4") << "Option4" << "4 Dezimalstellen" << "1.234,5678";
    QTest::newRow("Option5") << "Option5" << "6 Dezimalstellen" << "1.234,567800";
}

void OhmsLawWindowTest::eachFormat()
{
    QFETCH(QString, button);
    QFETCH(QString, caption);
    QFETCH(QString, shown);
    QCOMPARE(testing::child<QRadioButton>(m_form.get(), button)->text(), caption);

    // Before any result the choice only waits for the next calculation.
    option(button);
    QCOMPARE(texts(), QStringList({QString(), QString(), QString()}));
    enter({u"12345,678"_s, QString(), u"10"_s});
    testing::click(calculateButton());
    QCOMPARE(field(1)->text(), shown);
    QVERIFY(m_form.warnings().isEmpty());
}

void OhmsLawWindowTest::formatChangeRewritesResult()
{
    enter({u"12345,678"_s, QString(), u"10"_s});
    testing::click(calculateButton());
    QCOMPARE(field(1)->text(), u"1234,5678"_s);

    option(u"Option3"_s);
    QCOMPARE(field(1)->text(), u"1.234,57"_s);
    QCOMPARE(redField(), u"Text2"_s);
    QVERIFY(!calculateButton()->isEnabled());

    // Clicking the chosen format again is no change of format.
    testing::typeInto(field(2), u"20"_s);
    option(u"Option3"_s);
    QCOMPARE(field(1)->text(), u"1.234,57"_s);
    QVERIFY(calculateButton()->isEnabled());

    // Another format recomputes from what the other fields hold now.
    option(u"Option4"_s);
    QCOMPARE(field(1)->text(), u"617,2839"_s);
    QCOMPARE(redField(), u"Text2"_s);
    QVERIFY(!calculateButton()->isEnabled());
    QVERIFY(m_form.warnings().isEmpty());
}

void OhmsLawWindowTest::formatChangeEndingInWarning_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QString>("red");
    QTest::addColumn<QString>("warning");
    QTest::newRow("resistance cleared") << QStringList{kKeep, kKeep, ""} << QStringList{"12", "0", "0"} << ""
                                        << "Spannung und Widerstand festlegen";
    QTest::newRow("voltage cleared") << QStringList{"", kKeep, kKeep} << QStringList{"0", "0", "2,2"} << ""
                                     << "Strom und Widerstand festlegen";
    QTest::newRow("voltage and resistance cleared")
        << QStringList{"", kKeep, ""} << QStringList{"0", "0", "0"} << "Text2" << "alle Ausgangswerte 0";
}

void OhmsLawWindowTest::formatChangeEndingInWarning()
{
    QFETCH(QStringList, entries);
    QFETCH(QStringList, shown);
    QFETCH(QString, red);
    QFETCH(QString, warning);

    typicalResult();
    enter(entries);
    option(u"Option2"_s);
    QCOMPARE(m_form.warnings(), QStringList{warning});
    QCOMPARE(texts(), shown);
    QCOMPARE(redField(), red);
    QVERIFY(calculateButton()->isEnabled());

    // A field still red is recomputed again; otherwise nothing happens.
    option(u"Option4"_s);
    QCOMPARE(m_form.warnings(), red.isEmpty() ? QStringList() : QStringList{warning});
    QCOMPARE(texts(), shown);
}

void OhmsLawWindowTest::clearButtons_data()
{
    QTest::addColumn<QString>("accessibleName");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("Spannung") << "Spannung löschen" << "Command2" << QStringList{"", "5,45", "2,2"};
    QTest::newRow("Strom") << "Strom löschen" << "Command3" << QStringList{"12", "", "2,2"};
    QTest::newRow("Widerstand") << "Widerstand löschen" << "Command4" << QStringList{"12", "5,45", ""};
}

void OhmsLawWindowTest::clearButtons()
{
    QFETCH(QString, accessibleName);
    QFETCH(QString, button);
    QFETCH(QStringList, shown);

    typicalResult();
    QPushButton *clear = nullptr;
    for (QPushButton *candidate : m_form->findChildren<QPushButton *>()) {
        if (candidate->accessibleName() == accessibleName)
            clear = candidate;
    }
    QVERIFY(clear);
    QCOMPARE(clear->objectName(), button);
    QVERIFY(clear->text().isEmpty());

    testing::click(clear);
    QCOMPARE(texts(), shown);
    QCOMPARE(redField(), QString());

    // With no red field a change of format computes nothing.
    option(u"Option4"_s);
    QCOMPARE(texts(), shown);
    QVERIFY(m_form.warnings().isEmpty());
}

void OhmsLawWindowTest::unitPickEmptiesRowKeepsMark()
{
    typicalResult();
    pickUnits({u"mV"_s, u"mA"_s, u"kOhm"_s});
    QCOMPARE(texts(), QStringList({QString(), u"5,45"_s, u"2,2"_s}));
    testing::typeInto(field(0), u"12000"_s);

    pickUnits({u"mV"_s, u"A"_s, u"kOhm"_s});
    QCOMPARE(texts(), QStringList({u"12000"_s, QString(), u"2,2"_s}));
    QCOMPARE(redField(), u"Text2"_s);

    // The mark still leads a change of format to the current, now in A.
    option(u"Option5"_s);
    QCOMPARE(field(1)->text(), u"0,005455"_s);
    QCOMPARE(redField(), u"Text2"_s);
    QVERIFY(m_form.warnings().isEmpty());
}

void OhmsLawWindowTest::standardValuesOfComputedResistance_data()
{
    QTest::addColumn<QStringList>("then");
    QTest::addColumn<bool>("kept");
    QTest::newRow("nothing else") << QStringList() << true;
    QTest::newRow("another format") << QStringList{"Option3"} << true;
    QTest::newRow("refused, all given") << QStringList{"Text1=20", "Command1"} << true;
    QTest::newRow("typing into the resistance") << QStringList{"Text3+5"} << false;
    QTest::newRow("picking a resistance unit") << QStringList{"Combo3=MOhm"} << false;
    QTest::newRow("its clear button") << QStringList{"Command4"} << false;
    QTest::newRow("the voltage's clear button") << QStringList{"Command2"} << false;
    QTest::newRow("the current computed instead") << QStringList{"Text2=", "Command1"} << false;
}

void OhmsLawWindowTest::standardValuesOfComputedResistance()
{
    QFETCH(QStringList, then);
    QFETCH(bool, kept);
    // 0,25 kOhm are 250 Ohm.
    const QString hint = QString::fromUtf8("Nächste Normwerte:\nE12: 270 Ohm\nE24: 240 Ohm\nE96: 249 Ohm");
    pickUnits({u"V"_s, u"mA"_s, u"kOhm"_s});
    enter({u"10"_s, u"40"_s, QString()});
    testing::click(calculateButton());
    QCOMPARE(texts(), QStringList({u"10"_s, u"40"_s, u"0,25"_s}));
    QCOMPARE(testing::hints(m_form.get(), kFields), QStringList({QString(), QString(), hint}));

    QCOMPARE(testing::doSteps(m_form.get(), then), QString());
    QCOMPARE(testing::hints(m_form.get(), kFields), QStringList({QString(), QString(), kept ? hint : QString()}));
}

void OhmsLawWindowTest::keyboardOrder()
{
    QCOMPARE(m_form->focusWidget(), field(0));
    const QStringList expected = {u"Text1"_s,    u"Text2"_s,    u"Text3"_s,    u"Combo1"_s,  u"Combo2"_s,
                                  u"Combo3"_s,   u"Command1"_s, u"Command2"_s, u"Command3"_s, u"Command4"_s,
                                  u"Option1"_s,  u"Option3"_s,  u"Option4"_s,  u"Option5"_s, u"Option2"_s};
    QStringList order;
    QWidget *widget = field(0);
    do {
        if (widget->focusPolicy() & Qt::TabFocus && !widget->objectName().isEmpty())
            order << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != field(0));
    QCOMPARE(order, expected);
}

QTEST_MAIN(OhmsLawWindowTest)
#include "tst_ohmslawwindow.moc"
