// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "converterwindow.h"
#include "entryfield.h"
#include "helpexamples.h"
#include "useractions.h"
#include "workedvalues.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionComboBox>
#include <QWheelEvent>
#include <QAbstractItemView>
#include <QTest>

using testing::child;

namespace {

// What the user does to the window after a calculation.
enum Action : int { TypeEntry, TypeUnit, PickUnit, PickSource, PickTarget };

const QString kMissing = QStringLiteral("keine Auswahl in Maßeinheiten oder Vorsatz");

} // namespace

class ConverterWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opening();
    void announcedOnOpening();
    void workedValues_data();
    void workedValues();
    void commaCheck_data();
    void commaCheck();
    void missingSelection_data();
    void missingSelection();
    void wrongEntry_data();
    void wrongEntry();
    void resultKeptOrEmptied_data();
    void resultKeptOrEmptied();
    void typedUnitStaysOutOfList();
    void numberDisplayNeedsResult_data();
    void numberDisplayNeedsResult();
    void storageMode();
    void modeSwitchKeepsFactors_data();
    void modeSwitchKeepsFactors();
    void clipboard_data();
    void clipboard();
    void helpExample();

private:
    QLineEdit *text1() const { return child<QLineEdit>(m_form.get(), QStringLiteral("Text1")); }
    QLineEdit *text2() const { return child<QLineEdit>(m_form.get(), QStringLiteral("Text2")); }
    QComboBox *combo(int n) const { return child<QComboBox>(m_form.get(), QStringLiteral("Combo%1").arg(n)); }
    QString label(int n) const { return child<QLabel>(m_form.get(), QStringLiteral("Label%1").arg(n))->text(); }
    QAbstractButton *button(const char *name) const
    {
        return child<QAbstractButton>(m_form.get(), QString::fromLatin1(name));
    }
    // Presses whichever "Berechne" the mode shows.
    void calculate() const;
    // Picks the unit (or ticks storage mode), both prefixes and types the entry.
    bool select(bool storage, const QString &from, const QString &to, const QString &entry) const;
    void verifyInitialState() const;

    testing::WindowFixture<converter::Form1> m_form;
};

void ConverterWindowTest::init()
{
    QVERIFY(m_form.open());
}

void ConverterWindowTest::cleanup()
{
    m_form.close();
}

void ConverterWindowTest::calculate() const
{
    QAbstractButton *visible = button("Command1")->isVisible() ? button("Command1") : button("Command2");
    testing::click(visible);
}

bool ConverterWindowTest::select(bool storage, const QString &from, const QString &to, const QString &entry) const
{
    if (storage)
        testing::click(button("Check1"));
    else if (!testing::pick(combo(2), QStringLiteral("V")))
        return false;
    if ((!from.isEmpty() && !testing::pick(combo(1), from)) || (!to.isEmpty() && !testing::pick(combo(3), to)))
        return false;
    testing::typeInto(text1(), entry);
    return true;
}

void ConverterWindowTest::verifyInitialState() const
{
    QVERIFY(!button("Check1")->isChecked());
    QVERIFY(button("Option1")->isChecked());
    QVERIFY(button("Command1")->isVisible());
    QVERIFY(!button("Command2")->isVisible());
    for (const int n : {1, 3}) {
        QCOMPARE(combo(n)->count(), 12);
        QCOMPARE(combo(n)->currentIndex(), -1);
        QCOMPARE(combo(n)->currentText(), QString());
    }
    QCOMPARE(combo(2)->currentText(), QString());
    QVERIFY(!combo(2)->lineEdit()->isReadOnly());
    QCOMPARE(text1()->text(), QString());
    QCOMPARE(text2()->text(), QString());
    QCOMPARE(label(8), QString());
    QCOMPARE(label(9), QString());
    QCOMPARE(QApplication::focusWidget(), combo(2));
}

void ConverterWindowTest::opening()
{
    verifyInitialState();
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Umrechnung"));
    QVERIFY(!m_form->windowIcon().pixmap(16, 16).isNull());

    // Keyboard users reach the controls in this order; the hidden "Berechne"
    // and the unselected option button are skipped.
    const QStringList order{"Combo2",   "Combo1",   "Combo3",  "Text1",  "Text2",
                            "Command1", "Command3", "Option1", "Check1", "Combo2"};
    QCOMPARE(testing::tabOrder(int(order.size()) - 1), order);
}

void ConverterWindowTest::announcedOnOpening()
{
    // A screen reader announces the focused part of the focused control: the
    // unit field's typed part.
    const QAccessibleInterface *focused = QAccessible::queryAccessibleInterface(QApplication::focusWidget());
    QVERIFY(focused);
    const QAccessibleInterface *part = focused->focusChild();
    QVERIFY(part);
    QCOMPARE(part->object(), combo(2)->lineEdit());
    QCOMPARE(part->text(QAccessible::Name), QStringLiteral("Maßeinheit"));
}

void ConverterWindowTest::workedValues_data()
{
    workedvalues::addRows();
}

void ConverterWindowTest::workedValues()
{
    const workedvalues::Row &row = workedvalues::current();
    const QString entry = row.entry.toString();
    const QString plain = row.plain.toString();
    const QString grouped = row.grouped.toString();
    QVERIFY(select(row.storage, row.from.toString(), row.to.toString(), entry));

    calculate();
    QCOMPARE(text1()->text(), entry.isEmpty() ? QStringLiteral("0") : entry);
    QCOMPARE(text2()->text(), plain);
    testing::click(button("Option2"));
    QCOMPARE(text2()->text(), grouped);
    calculate();
    QCOMPARE(text2()->text(), grouped);
    testing::click(button("Option1"));
    QCOMPARE(text2()->text(), plain);
    QCOMPARE(m_form.warnings(), QStringList());
}

void ConverterWindowTest::commaCheck_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("typedAtStart");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<QString>("entryAfter");
    QTest::newRow("single comma at the end") << "5," << "" << false << "5,";
    QTest::newRow("single comma at the start") << ",5" << "" << false << ",5";
    QTest::newRow("second comma at the end") << "1,5," << "" << true << "";
    QTest::newRow("two commas in a row, typing goes on") << "1,,5" << "" << true << "5";
    QTest::newRow("second comma typed in front") << "1,5" << "," << true << "";
}

void ConverterWindowTest::commaCheck()
{
    QFETCH(QString, typed);
    QFETCH(QString, typedAtStart);
    QFETCH(bool, refused);
    QFETCH(QString, entryAfter);
    QVERIFY(select(false, QStringLiteral("k (Kilo)"), QStringLiteral("  (ohne)"), QStringLiteral("1")));
    calculate();
    QCOMPARE(text2()->text(), QStringLiteral("1000"));

    testing::typeInto(text1(), typed);
    QTest::keyClick(text1(), Qt::Key_Home);
    QTest::keyClicks(text1(), typedAtStart);
    QCOMPARE(m_form.warnings(), refused ? QStringList{QStringLiteral("zu viele Dezimalzeichen")} : QStringList());
    QCOMPARE(text1()->text(), entryAfter);
    QCOMPARE(text2()->text(), QString());
}

void ConverterWindowTest::missingSelection_data()
{
    QTest::addColumn<bool>("storage");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("entryAfter");
    QTest::newRow("no unit, empty entry becomes 0") << false << "" << "k (Kilo)" << "  (ohne)" << "" << "0";
    QTest::newRow("unit only blanks") << false << "   " << "k (Kilo)" << "  (ohne)" << "2" << "2";
    QTest::newRow("no source prefix") << false << "V" << "" << "  (ohne)" << "" << "0";
    QTest::newRow("no target prefix") << false << "V" << "k (Kilo)" << "" << "5" << "5";
    QTest::newRow("storage, no source prefix") << true << "" << "" << "k (Kilo)" << "" << "0";
}

void ConverterWindowTest::missingSelection()
{
    QFETCH(bool, storage);
    QFETCH(QString, unit);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, entry);
    QFETCH(QString, entryAfter);
    if (storage)
        testing::click(button("Check1"));
    else
        testing::typeInto(combo(2)->lineEdit(), unit);
    if (!from.isEmpty())
        QVERIFY(testing::pick(combo(1), from));
    if (!to.isEmpty())
        QVERIFY(testing::pick(combo(3), to));
    testing::typeInto(text1(), entry);

    calculate();
    QCOMPARE(m_form.warnings(), QStringList{kMissing});
    QCOMPARE(text1()->text(), entryAfter);
    QCOMPARE(text2()->text(), QString());
    QCOMPARE(m_form->sourceFactor(), 0.0);
    QCOMPARE(m_form->targetFactor(), 0.0);
}

void ConverterWindowTest::wrongEntry_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("pasted");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("result"); // empty: refused
    QTest::newRow("lone comma") << "," << false << "k (Kilo)" << "  (ohne)" << "";
    QTest::newRow("pasted letters") << "abc" << true << "k (Kilo)" << "  (ohne)" << "";
    QTest::newRow("pasted value beyond the double range") << "1E400" << true << "  (ohne)" << "  (ohne)" << "";
    QTest::newRow("1E300 from Tera to Piko") << "1E300" << true << "T (Tera)" << "p (Piko)" << "";
    QTest::newRow("pasted exponent form in range") << "2,5E3" << true << "k (Kilo)" << "  (ohne)" << "2500000";
    QTest::newRow("pasted negative value") << "-2,5" << true << "k (Kilo)" << "  (ohne)" << "-2500";
}

void ConverterWindowTest::wrongEntry()
{
    QFETCH(QString, entry);
    QFETCH(bool, pasted);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, result);
    QVERIFY(select(false, QStringLiteral("m (Milli)"), QStringLiteral("m (Milli)"), QStringLiteral("3")));
    calculate();
    QCOMPARE(text2()->text(), QStringLiteral("3"));

    QVERIFY(testing::pick(combo(1), from));
    QVERIFY(testing::pick(combo(3), to));
    // The context menu is the one way past the digit filter.
    if (pasted)
        QVERIFY(testing::pasteOver(child<common::EntryField>(m_form.get(), QStringLiteral("Text1")), entry));
    else
        testing::typeInto(text1(), entry);
    QCOMPARE(text1()->text(), entry);
    calculate();
    QCOMPARE(text2()->text(), result);
    if (result.isEmpty()) {
        QCOMPARE(m_form.warnings(), QStringList{QStringLiteral("falsche Eingabe")});
        QCOMPARE(m_form->sourceFactor(), 1e-3);
        QCOMPARE(m_form->targetFactor(), 1e-3);
    } else {
        QCOMPARE(m_form.warnings(), QStringList());
    }
}

void ConverterWindowTest::resultKeptOrEmptied_data()
{
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("kept");
    QTest::addColumn<QString>("unitAfter");
    QTest::addColumn<QString>("label8");
    QTest::addColumn<QString>("label9");
    QTest::newRow("unit picked keeps") << int(PickUnit) << "Liter" << true << "Liter" << "kLiter" << " Liter";
    QTest::newRow("same unit picked again keeps") << int(PickUnit) << "V" << true << "V" << "kV" << " V";
    QTest::newRow("unit typed empties") << int(TypeUnit) << "Hz" << false << "Hz" << "kHz" << " Hz";
    QTest::newRow("typed letter not completed") << int(TypeUnit) << "O" << false << "O" << "kO" << " O";
    QTest::newRow("source prefix picked empties") << int(PickSource) << "M (Mega)" << false << "V" << "MV" << " V";
    QTest::newRow("target prefix picked empties") << int(PickTarget) << "m (Milli)" << false << "V" << "kV" << "mV";
    QTest::newRow("entry typed empties") << int(TypeEntry) << "3" << false << "V" << "kV" << " V";
}

void ConverterWindowTest::resultKeptOrEmptied()
{
    QFETCH(int, action);
    QFETCH(QString, text);
    QFETCH(bool, kept);
    QFETCH(QString, unitAfter);
    QFETCH(QString, label8);
    QFETCH(QString, label9);
    QVERIFY(select(false, QStringLiteral("k (Kilo)"), QStringLiteral("  (ohne)"), QStringLiteral("2,5")));
    calculate();
    QCOMPARE(label(8), QStringLiteral("kV"));

    switch (action) {
    case TypeEntry:
        testing::typeInto(text1(), text);
        break;
    case TypeUnit:
        testing::typeInto(combo(2)->lineEdit(), text);
        break;
    default:
        QVERIFY(testing::pick(combo(action == PickUnit ? 2 : action == PickSource ? 1 : 3), text));
    }
    QCOMPARE(text2()->text(), kept ? QStringLiteral("2500") : QString());
    QCOMPARE(combo(2)->currentText(), unitAfter);
    QCOMPARE(label(8), label8);
    QCOMPARE(label(9), label9);
}

void ConverterWindowTest::typedUnitStaysOutOfList()
{
    testing::typeInto(combo(2)->lineEdit(), QStringLiteral("Hz"));
    QTest::keyClick(combo(2), Qt::Key_Return);
    QCOMPARE(combo(2)->count(), 10);
    QCOMPARE(combo(2)->findText(QStringLiteral("Hz")), -1);
    QCOMPARE(combo(2)->currentText(), QStringLiteral("Hz"));
}

void ConverterWindowTest::numberDisplayNeedsResult_data()
{
    QTest::addColumn<bool>("calculateFirst");
    QTest::addColumn<QString>("entry");
    QTest::newRow("target changed after a calculation") << true << "1";
    QTest::newRow("before any calculation") << false << "5";
    QTest::newRow("empty entry") << false << "";
}

void ConverterWindowTest::numberDisplayNeedsResult()
{
    QFETCH(bool, calculateFirst);
    QFETCH(QString, entry);
    QVERIFY(select(false, QStringLiteral("k (Kilo)"), QStringLiteral("  (ohne)"), entry));
    if (calculateFirst) {
        calculate();
        QCOMPARE(text2()->text(), QStringLiteral("1000"));
        QVERIFY(testing::pick(combo(3), QStringLiteral("m (Milli)")));
    }
    testing::click(button("Option2"));
    QCOMPARE(text2()->text(), QString());
    testing::click(button("Option1"));
    QCOMPARE(text2()->text(), QString());
    QCOMPARE(text1()->text(), entry);
    QCOMPARE(m_form.warnings(), QStringList());
}

void ConverterWindowTest::storageMode()
{
    QVERIFY(select(false, QStringLiteral("k (Kilo)"), QStringLiteral("  (ohne)"), QStringLiteral("7")));
    calculate();
    QCOMPARE(text2()->text(), QStringLiteral("7000"));

    testing::click(button("Check1"));
    QVERIFY(!button("Command1")->isVisible());
    QVERIFY(button("Command2")->isVisible());
    QCOMPARE(text1()->text(), QStringLiteral("7"));
    QCOMPARE(text2()->text(), QString());
    const QStringList storageItems{QStringLiteral("  (ohne)"), QStringLiteral("k (Kilo)"),
                                   QStringLiteral("M (Mega)"), QStringLiteral("G (Giga)"),
                                   QStringLiteral("T (Tera)")};
    for (const int n : {1, 3}) {
        QStringList items;
        for (int i = 0; i < combo(n)->count(); ++i)
            items += combo(n)->itemText(i);
        QCOMPARE(items, storageItems);
        QCOMPARE(combo(n)->currentIndex(), -1);
    }
    QCOMPARE(label(8), QStringLiteral("Byte od. Bit"));
    QCOMPARE(label(9), QStringLiteral("Byte od. Bit"));
    QVERIFY(testing::pick(combo(1), QStringLiteral("k (Kilo)")));
    QCOMPARE(label(8), QStringLiteral("kByte od. Bit"));
    QCOMPARE(label(9), QStringLiteral("Byte od. Bit"));

    // Locked: typing, the arrow keys and the wheel change nothing, and the
    // list does not open.
    testing::typeAppend(combo(2)->lineEdit(), QStringLiteral("x"));
    QTest::keyClick(combo(2), Qt::Key_Down);
    QWheelEvent wheel(QPointF(5, 5), combo(2)->mapToGlobal(QPointF(5, 5)), {}, QPoint(0, -120), Qt::NoButton,
                      {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(combo(2), &wheel);
    QTest::keyClick(combo(2), Qt::Key_Down, Qt::AltModifier);
    QStyleOptionComboBox option;
    option.initFrom(combo(2));
    option.editable = true;
    const QRect arrow = combo(2)->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                          QStyle::SC_ComboBoxArrow, combo(2));
    QTest::mouseClick(combo(2), Qt::LeftButton, {}, arrow.center());
    QVERIFY(!combo(2)->view()->isVisible());
    QCOMPARE(combo(2)->currentText(), QStringLiteral("Byte od. Bit"));
    QCOMPARE(label(8), QStringLiteral("kByte od. Bit"));
}

void ConverterWindowTest::modeSwitchKeepsFactors_data()
{
    QTest::addColumn<bool>("storage");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<double>("source");
    QTest::addColumn<double>("target");
    QTest::newRow("decimal calculation, then tick and clear")
        << false << "k (Kilo)" << "n (Nano)" << 1e3 << 1e-9;
    QTest::newRow("storage calculation, then clear and tick")
        << true << "G (Giga)" << "M (Mega)" << 1099511627776.0 << 1073741824.0;
}

void ConverterWindowTest::modeSwitchKeepsFactors()
{
    QFETCH(bool, storage);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(double, source);
    QFETCH(double, target);
    QVERIFY(select(storage, from, to, QStringLiteral("1")));
    testing::click(button("Option2"));
    calculate();
    QVERIFY(!text2()->text().isEmpty());

    for (int toggle = 0; toggle < 2; ++toggle) {
        testing::click(button("Check1"));
        QCOMPARE(m_form->sourceFactor(), source);
        QCOMPARE(m_form->targetFactor(), target);
        QCOMPARE(button("Command1")->isVisible(), !button("Check1")->isChecked());
        QCOMPARE(button("Command2")->isVisible(), button("Check1")->isChecked());
        if (!button("Check1")->isChecked())
            verifyInitialState();
    }
    QCOMPARE(m_form.warnings(), QStringList());
}

void ConverterWindowTest::clipboard_data()
{
    QTest::addColumn<bool>("calculateFirst");
    QTest::addColumn<bool>("grouped");
    QTest::addColumn<QString>("copied");
    QTest::newRow("plain") << true << false << "2500";
    QTest::newRow("grouped") << true << true << "2.500,00";
    QTest::newRow("no result leaves empty text") << false << false << "";
}

void ConverterWindowTest::clipboard()
{
    QFETCH(bool, calculateFirst);
    QFETCH(bool, grouped);
    QFETCH(QString, copied);
    QVERIFY(select(false, QStringLiteral("k (Kilo)"), QStringLiteral("  (ohne)"), QStringLiteral("2,5")));
    if (calculateFirst)
        calculate();
    if (grouped)
        testing::click(button("Option2"));
    QGuiApplication::clipboard()->setText(QStringLiteral("alt"));

    testing::click(button("Command3"));
    QCOMPARE(QGuiApplication::clipboard()->text(), copied);
}

// The worked example of the help page gives what the window shows.
void ConverterWindowTest::helpExample()
{
    const QList<testing::Example> examples = testing::helpExamples(QStringLiteral("einheiten.html"));
    QCOMPARE(examples.size(), 1);
    const QStringList faults = testing::runExample(m_form.get(), examples.first());
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

QTEST_MAIN(ConverterWindowTest)
#include "tst_converterwindow.moc"
