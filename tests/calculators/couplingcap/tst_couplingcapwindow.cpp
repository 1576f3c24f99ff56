// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "couplingcapwindow.h"

#include "colours.h"
#include "entryfield.h"
#include "steps.h"
#include "useractions.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

// The two halves of the window: entries with their selectors, button, results.
struct Half {
    QString load, loadSelector, second, secondSelector, button;
    QStringList results;
};
static const Half kLeft{"Text1", "Combo1", "Text2", "Combo2", "Command1", {"Text3", "Text4", "Text5", "Text6"}};
static const Half kRight{"Text7", "Combo3", "Text8", "Combo4", "Command2", {"Text9", "Text10", "Text11"}};

static const QString kMicroFarad = QStringLiteral("\u00B5F");

class CouplingCapWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensEmpty();
    void calculates_data();
    void calculates();
    void refusalChangesNothing_data();
    void refusalChangesNothing();
    void changeEmptiesOnlyItsHalf_data();
    void changeEmptiesOnlyItsHalf();
    void keyFilterAndLength_data();
    void keyFilterAndLength();
    void pressAgainRecomputes();
    void standardValues_data();
    void standardValues();
    void keyboardOrder();

private:
    QLineEdit *field(const QString &name) const { return testing::child<QLineEdit>(m_form.get(), name); }
    common::EntryField *entry(const QString &name) const
    {
        return testing::child<common::EntryField>(m_form.get(), name);
    }
    QComboBox *selector(const QString &name) const { return testing::child<QComboBox>(m_form.get(), name); }
    const Half &half(bool left) const { return left ? kLeft : kRight; }
    // Picks the units, types both entries and presses "Berechne".
    void calculate(const Half &half, const QString &load, const QString &loadUnit, const QString &second,
                   const QString &secondUnit) const;
    QStringList texts(const QStringList &names) const { return testing::texts(m_form.get(), names); }

    testing::WindowFixture<Form9> m_form;
};

void CouplingCapWindowTest::init()
{
    QVERIFY(m_form.open());
}

void CouplingCapWindowTest::cleanup()
{
    m_form.close();
}

void CouplingCapWindowTest::calculate(const Half &half, const QString &load, const QString &loadUnit,
                                      const QString &second, const QString &secondUnit) const
{
    QVERIFY(testing::pick(selector(half.loadSelector), loadUnit));
    QVERIFY(testing::pick(selector(half.secondSelector), secondUnit));
    testing::typeInto(field(half.load), load);
    testing::typeInto(field(half.second), second);
    testing::click(testing::child<QPushButton>(m_form.get(), half.button));
}

void CouplingCapWindowTest::opensEmpty()
{
    const QStringList allFields{"Text1", "Text2", "Text3", "Text4", "Text5", "Text6",
                                "Text7", "Text8", "Text9", "Text10", "Text11"};
    QCOMPARE(texts(allFields), QStringList(allFields.size(), QString()));
    QCOMPARE(selector("Combo1")->currentText(), QStringLiteral("Ohm"));
    QCOMPARE(selector("Combo2")->currentText(), QStringLiteral("Hz"));
    QCOMPARE(selector("Combo3")->currentText(), QStringLiteral("Ohm"));
    QCOMPARE(selector("Combo4")->currentText(), kMicroFarad);
    QCOMPARE(QApplication::focusWidget(), field("Text1"));
    for (const QString &name : kLeft.results + kRight.results) {
        QVERIFY(field(name)->isReadOnly());
        QCOMPARE(field(name)->palette().color(QPalette::Base), QColor(255, 224, 192));
    }
    QCOMPARE(m_form->client()->palette().color(QPalette::Window), QColor(128, 255, 255));
}

void CouplingCapWindowTest::calculates_data()
{
    QTest::addColumn<bool>("left");
    QTest::addColumn<QString>("load");
    QTest::addColumn<QString>("loadUnit");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("secondUnit");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("10 k Ohm, 20 Hz") << true << "10" << "k Ohm" << "20" << "Hz"
                                    << QStringList{"0,000000795774729", "0,80", "795,77", "795775"};
    QTest::newRow("1 M Ohm, 1 MHz") << true << "1" << "M Ohm" << "1" << "MHz"
                                   << QStringList{"0,000000000000159", "0,00", "0,00", "0"};
    QTest::newRow("4,7 k Ohm, 1 kHz") << true << "4,7" << "k Ohm" << "1" << "kHz"
                                     << QStringList{"0,000000033862754", "0,03", "33,86", "33863"};
    QTest::newRow("1 Ohm, 50 Hz") << true << "1" << "Ohm" << "50" << "Hz"
                                 << QStringList{"0,003183098916136", "3183,10", "3183098,92", "3183098916"};
    QTest::newRow("1 k Ohm, 1 µF") << false << "1" << "k Ohm" << "1" << kMicroFarad
                                  << QStringList{"159", "0,16", "0,00"};
    QTest::newRow("100 Ohm, 100 nF") << false << "100" << "Ohm" << "100" << "nF"
                                    << QStringList{"15915", "15,92", "0,02"};
    QTest::newRow("1 M Ohm, 4,7 pF") << false << "1" << "M Ohm" << "4,7" << "pF"
                                    << QStringList{"33863", "33,86", "0,03"};
}

void CouplingCapWindowTest::calculates()
{
    QFETCH(bool, left);
    QFETCH(QString, load);
    QFETCH(QString, loadUnit);
    QFETCH(QString, second);
    QFETCH(QString, secondUnit);
    QFETCH(QStringList, shown);
    calculate(half(left), load, loadUnit, second, secondUnit);
    QCOMPARE(m_form.warnings(), QStringList());
    QCOMPARE(texts(half(left).results), shown);
    QCOMPARE(texts(half(!left).results), QStringList(half(!left).results.size(), QString()));
    QCOMPARE(texts({half(left).load, half(left).second}), QStringList({load, second}));
}

// Faulty input on one half: the warning, then every field as it was; the
// other half's results stay on screen.
void CouplingCapWindowTest::refusalChangesNothing_data()
{
    QTest::addColumn<bool>("left");
    QTest::addColumn<QString>("load");
    QTest::addColumn<QString>("second");
    QTest::addColumn<bool>("pasted");
    QTest::addColumn<QString>("warning");
    const QString enter = QStringLiteral("Wert eingeben");
    const QString wrong = QStringLiteral("falscher Wert");
    QTest::newRow("left, nothing typed") << true << "" << "" << false << enter;
    QTest::newRow("left, frequency empty") << true << "10" << "" << false << enter;
    QTest::newRow("left, load 0") << true << "0" << "20" << false << wrong;
    QTest::newRow("left, frequency 0,00") << true << "10" << "0,00" << false << wrong;
    QTest::newRow("left, lone comma") << true << "," << "20" << false << wrong;
    QTest::newRow("left, two commas") << true << "10" << "1,,2" << false << wrong;
    QTest::newRow("left, wrong load before empty frequency") << true << "0" << "" << false << wrong;
    QTest::newRow("left, pasted negative load") << true << "-10" << "20" << true << wrong;
    QTest::newRow("left, pasted text") << true << "zehn" << "20" << true << wrong;
    QTest::newRow("left, pasted 1E-200 twice") << true << "1E-200" << "1E-200" << true << wrong;
    QTest::newRow("right, nothing typed") << false << "" << "" << false << enter;
    QTest::newRow("right, capacitance empty") << false << "1" << "" << false << enter;
    QTest::newRow("right, capacitance 0") << false << "1" << "0" << false << wrong;
    QTest::newRow("right, pasted blanks") << false << "  " << "1" << true << enter;
    QTest::newRow("right, pasted 1E-300 Ohm and 1E-10 µF") << false << "1E-300" << "1E-10" << true << wrong;
}

void CouplingCapWindowTest::refusalChangesNothing()
{
    QFETCH(bool, left);
    QFETCH(QString, load);
    QFETCH(QString, second);
    QFETCH(bool, pasted);
    QFETCH(QString, warning);
    const Half &other = half(!left);
    calculate(other, "1", "k Ohm", "1", left ? kMicroFarad : QStringLiteral("Hz"));
    const QStringList otherResults = texts(other.results);
    QVERIFY(!otherResults.first().isEmpty());

    const Half &mine = half(left);
    if (pasted) {
        // The context menu is the one way past the digit filter.
        QVERIFY(testing::pasteOver(entry(mine.load), load));
        QVERIFY(testing::pasteOver(entry(mine.second), second));
    } else {
        testing::typeInto(field(mine.load), load);
        testing::typeInto(field(mine.second), second);
    }
    testing::click(testing::child<QPushButton>(m_form.get(), mine.button));
    QCOMPARE(m_form.warnings(), QStringList{warning});
    QCOMPARE(texts({mine.load, mine.second}), QStringList({load, second}));
    QCOMPARE(texts(mine.results), QStringList(mine.results.size(), QString()));
    QCOMPARE(texts(other.results), otherResults);
}

void CouplingCapWindowTest::changeEmptiesOnlyItsHalf_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("unit"); // empty: type a digit instead of picking
    QTest::addColumn<bool>("left");
    QTest::newRow("typing into Text1") << "Text1" << "" << true;
    QTest::newRow("typing into Text2") << "Text2" << "" << true;
    QTest::newRow("picking M Ohm in Combo1") << "Combo1" << "M Ohm" << true;
    QTest::newRow("picking kHz in Combo2") << "Combo2" << "kHz" << true;
    QTest::newRow("typing into Text7") << "Text7" << "" << false;
    QTest::newRow("typing into Text8") << "Text8" << "" << false;
    QTest::newRow("picking Ohm again in Combo3") << "Combo3" << "Ohm" << false;
    QTest::newRow("picking pF in Combo4") << "Combo4" << "pF" << false;
}

void CouplingCapWindowTest::changeEmptiesOnlyItsHalf()
{
    QFETCH(QString, control);
    QFETCH(QString, unit);
    QFETCH(bool, left);
    calculate(kLeft, "10", "k Ohm", "20", "Hz");
    calculate(kRight, "100", "Ohm", "100", "nF");
    const QStringList kept = texts(half(!left).results);

    if (unit.isEmpty()) {
        testing::typeAppend(field(control), "5");
    } else {
        QVERIFY(testing::pick(selector(control), unit));
    }
    QCOMPARE(texts(half(left).results), QStringList(half(left).results.size(), QString()));
    QCOMPARE(texts(half(!left).results), kept);
}

void CouplingCapWindowTest::keyFilterAndLength_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("blank key does nothing") << "Text1" << "1 2" << "12";
    QTest::newRow("full stop dropped") << "Text2" << "1.5" << "15";
    QTest::newRow("minus and letters dropped") << "Text7" << "-3a,5" << "3,5";
    QTest::newRow("Text1 takes 10 characters") << "Text1" << "123456789012" << "1234567890";
    QTest::newRow("Text2 takes 9 characters") << "Text2" << "123456789012" << "123456789";
    QTest::newRow("Text7 takes 10 characters") << "Text7" << "123456789012" << "1234567890";
    QTest::newRow("Text8 takes 10 characters") << "Text8" << "1234567,8901" << "1234567,89";
}

void CouplingCapWindowTest::keyFilterAndLength()
{
    QFETCH(QString, name);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    testing::typeInto(field(name), typed);
    QCOMPARE(field(name)->text(), kept);
}

void CouplingCapWindowTest::pressAgainRecomputes()
{
    calculate(kRight, "1", "k Ohm", "1", kMicroFarad);
    QVERIFY(testing::pick(selector("Combo4"), "nF"));
    QCOMPARE(field("Text9")->text(), QString());
    testing::click(testing::child<QPushButton>(m_form.get(), "Command2"));
    QCOMPARE(texts(kRight.results), QStringList({"159155", "159,15", "0,16"}));
    testing::click(testing::child<QPushButton>(m_form.get(), "Command2"));
    QCOMPARE(texts(kRight.results), QStringList({"159155", "159,15", "0,16"}));
    QCOMPARE(m_form.warnings(), QStringList());
}

void CouplingCapWindowTest::standardValues_data()
{
    QTest::addColumn<QStringList>("then");
    QTest::addColumn<QString>("hint");
    const QString example = QString::fromUtf8("Nächste Normwerte:\nE6: 680 nF\nE12: 820 nF");
    QTest::newRow("10 k Ohm, 20 Hz") << QStringList() << example;
    QTest::newRow("the frequency computed as well")
        << QStringList{"Text7=1", "Text8=1", "Command2"} << example;
    QTest::newRow("1 M Ohm, 1 MHz computed next")
        << QStringList{"Combo1=M Ohm", "Text1=1", "Combo2=MHz", "Text2=1", "Command1"}
        << QString::fromUtf8("Nächste Normwerte:\nE6: 0,15 pF\nE12: 0,15 pF");
    QTest::newRow("1 Ohm, 0,01 Hz computed next: 15,9 F, none that large")
        << QStringList{"Combo1=Ohm", "Text1=1", "Text2=0,01", "Command1"} << QString();
    QTest::newRow("typing into the load") << QStringList{"Text1+0"} << QString();
    QTest::newRow("picking a frequency unit") << QStringList{"Combo2=kHz"} << QString();
}

void CouplingCapWindowTest::standardValues()
{
    QFETCH(QStringList, then);
    QFETCH(QString, hint);
    calculate(kLeft, "10", "k Ohm", "20", "Hz");
    QCOMPARE(testing::doSteps(m_form.get(), then), QString());
    QVERIFY(m_form.warnings().isEmpty());
    QCOMPARE(testing::hints(m_form.get(), kLeft.results), QStringList(4, hint));
    QCOMPARE(testing::hints(m_form.get(), kRight.results), QStringList(3, QString()));
}

void CouplingCapWindowTest::keyboardOrder()
{
    const QStringList order{"Text1", "Combo1", "Text2",  "Combo2", "Command1", "Text3",  "Text4",
                            "Text5", "Text6",  "Text7",  "Combo3", "Text8",    "Combo4", "Command2",
                            "Text9", "Text10", "Text11", "Text1"};
    QCOMPARE(testing::tabOrder(int(order.size()) - 1), order);
}

QTEST_MAIN(CouplingCapWindowTest)
#include "tst_couplingcapwindow.moc"
