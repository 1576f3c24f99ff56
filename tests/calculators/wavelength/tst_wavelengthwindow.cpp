// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wavelengthwindow.h"

#include "entryfield.h"
#include "useractions.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

// One row of the window: entry, button, result.
struct Row {
    QString entry, button, result;
};
static const Row kUpper{"Text1", "Command1", "Text2"};
static const Row kLower{"Text3", "Command2", "Text4"};

class WavelengthWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opens();
    void converts_data();
    void converts();
    void refusalKeepsRow_data();
    void refusalKeepsRow();
    void secondPress_data();
    void secondPress();
    void focusEmptiesOwnResult_data();
    void focusEmptiesOwnResult();
    void userMovesEmptyOnlyTheirRow();
    void keyFilterWithoutLimit_data();
    void keyFilterWithoutLimit();
    void keyboardOrder();

private:
    QLineEdit *field(const QString &name) const { return testing::child<QLineEdit>(m_form.get(), name); }
    const Row &row(bool upper) const { return upper ? kUpper : kLower; }
    void press(const Row &row) const { testing::click(testing::child<QPushButton>(m_form.get(), row.button)); }
    void calculate(const Row &row, const QString &typed) const;
    QStringList texts() const;

    testing::WindowFixture<Form8> m_form;
};

void WavelengthWindowTest::init()
{
    QVERIFY(m_form.open());
}

void WavelengthWindowTest::cleanup()
{
    m_form.close();
}

void WavelengthWindowTest::calculate(const Row &row, const QString &typed) const
{
    testing::typeInto(field(row.entry), typed);
    press(row);
}

// Text1 to Text4.
QStringList WavelengthWindowTest::texts() const
{
    return testing::texts(m_form.get(), {"Text1", "Text2", "Text3", "Text4"});
}

void WavelengthWindowTest::opens()
{
    QCOMPARE(texts(), QStringList(4, QString()));
    QCOMPARE(QApplication::focusWidget(), field("Text1"));
    QCOMPARE(testing::child<QLabel>(m_form.get(), "Label2")->text(), QStringLiteral("Freqenz in Hz"));
    QCOMPARE(testing::child<QLabel>(m_form.get(), "Label6")->text(), QStringLiteral("Frequenz in Hz"));
    const auto *formula = testing::child<QPlainTextEdit>(m_form.get(), "Text5");
    QVERIFY(formula->isReadOnly());
    QCOMPARE(formula->toPlainText().split(u'\n'),
             QStringList({"w = c / f", "w = Wellenlänge in m   f =  Frequenz in Hz (1/m)   c =  "
                                       "Lichtgeschwindigkeit in m/s  - 299 792 458 m/s"}));
    // Both lines are seen whole, without scrolling.
    const int widest = formula->fontMetrics().horizontalAdvance(formula->toPlainText().split(u'\n').last());
    QVERIFY2(widest < formula->viewport()->width(), qPrintable(QString::number(widest)));
    QVERIFY(2 * formula->fontMetrics().lineSpacing() <= formula->viewport()->height());
    QVERIFY(field("Text2")->isReadOnly());
    QVERIFY(field("Text4")->isReadOnly());
    QCOMPARE(m_form->client()->palette().color(QPalette::Window), QColor(192, 255, 192));
}

void WavelengthWindowTest::converts_data()
{
    QTest::addColumn<bool>("upper");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("entryAfter");
    QTest::addColumn<QString>("result");
    QTest::newRow("100000000 Hz") << true << "100000000" << "100.000.000,0000" << "2,9979";
    QTest::newRow("7100000 Hz") << true << "7100000" << "7.100.000,0000" << "42,2243";
    QTest::newRow("1 Hz") << true << "1" << "1,0000" << "299.792.458,0000";
    QTest::newRow("1000000000000 Hz") << true << "1000000000000" << "1.000.000.000.000,0000" << "0,0003";
    QTest::newRow("0,001 Hz") << true << "0,001" << "0,0010" << "299.792.458.000,0000";
    QTest::newRow("result below 0,00005") << true << "10000000000000" << "10.000.000.000.000,0000" << "0,0000";
    QTest::newRow("2 m") << false << "2" << "2,0000" << "149.896.229,0000";
    QTest::newRow("300 m") << false << "300" << "300,0000" << "999.308,1933";
    QTest::newRow("comma last: 5, m") << false << "5," << "5,0000" << "59.958.491,6000";
}

void WavelengthWindowTest::converts()
{
    QFETCH(bool, upper);
    QFETCH(QString, typed);
    QFETCH(QString, entryAfter);
    QFETCH(QString, result);
    calculate(row(upper), typed);
    QCOMPARE(m_form.warnings(), QStringList());
    QCOMPARE(field(row(upper).entry)->text(), entryAfter);
    QCOMPARE(field(row(upper).result)->text(), result);
    QCOMPARE(field(row(!upper).entry)->text(), QString());
    QCOMPARE(field(row(!upper).result)->text(), QString());
}

void WavelengthWindowTest::refusalKeepsRow_data()
{
    QTest::addColumn<bool>("upper");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("pasted");
    QTest::addColumn<QString>("warning");
    const QString enter = QStringLiteral("Wert eingeben");
    const QString wrong = QStringLiteral("falscher Wert");
    QTest::newRow("empty") << true << "" << false << enter;
    QTest::newRow("blanks only") << false << "   " << true << enter;
    QTest::newRow("0") << true << "0" << false << wrong;
    QTest::newRow("00") << false << "00" << false << wrong;
    QTest::newRow("0,000") << true << "0,000" << false << wrong;
    QTest::newRow("lone comma") << true << "," << false << wrong;
    QTest::newRow("1,2,3") << false << "1,2,3" << false << wrong;
    QTest::newRow("pasted text") << true << "zehn Hz" << true << wrong;
    QTest::newRow("pasted tab before digits") << true << "\t12" << true << wrong;
    QTest::newRow("pasted tab alone is no blank") << false << "\t" << true << wrong;
    QTest::newRow("hundreds of zeros after the comma") << false << "0," + QString(400, u'0') + "1" << false << wrong;
    QTest::newRow("pasted 1E-301") << true << "1E-301" << true << wrong;
}

void WavelengthWindowTest::refusalKeepsRow()
{
    QFETCH(bool, upper);
    QFETCH(QString, entry);
    QFETCH(bool, pasted);
    QFETCH(QString, warning);
    calculate(row(!upper), "2");
    // The context menu is the one way past the digit filter.
    if (pasted)
        QVERIFY(testing::pasteOver(testing::child<common::EntryField>(m_form.get(), row(upper).entry), entry));
    else
        testing::typeInto(field(row(upper).entry), entry);
    const QStringList before = texts();
    press(row(upper));
    QCOMPARE(m_form.warnings(), QStringList{warning});
    QCOMPARE(texts(), before);
}

// Pressing "Berechne" again on the entry as the window rewrote it.
void WavelengthWindowTest::secondPress_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("entryAfter");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("warning");
    QTest::newRow("grouped entry reads the same") << "100000000" << "100.000.000,0000" << "2,9979" << "";
    QTest::newRow("entry rounded to 0,0000 is refused and all stays")
        << "0,00001" << "0,0000" << "29.979.245.800.000,0000" << "falscher Wert";
}

void WavelengthWindowTest::secondPress()
{
    QFETCH(QString, typed);
    QFETCH(QString, entryAfter);
    QFETCH(QString, result);
    QFETCH(QString, warning);
    calculate(kUpper, typed);
    QCOMPARE(field("Text1")->text(), entryAfter);
    QCOMPARE(field("Text2")->text(), result);
    QCOMPARE(m_form.warnings(), QStringList());
    press(kUpper);
    QCOMPARE(m_form.warnings().join(QString()), warning);
    QCOMPARE(field("Text1")->text(), entryAfter);
    QCOMPARE(field("Text2")->text(), result);
}

// Only focus the user moves empties the row's result; the window getting the
// focus back (after a warning box, from another program) leaves it.
void WavelengthWindowTest::focusEmptiesOwnResult_data()
{
    QTest::addColumn<Qt::FocusReason>("reason");
    QTest::addColumn<bool>("emptied");
    QTest::newRow("mouse") << Qt::MouseFocusReason << true;
    QTest::newRow("Tab") << Qt::TabFocusReason << true;
    QTest::newRow("Shift+Tab") << Qt::BacktabFocusReason << true;
    QTest::newRow("shortcut") << Qt::ShortcutFocusReason << true;
    QTest::newRow("window activated again") << Qt::ActiveWindowFocusReason << false;
    QTest::newRow("popup closed") << Qt::PopupFocusReason << false;
}

void WavelengthWindowTest::focusEmptiesOwnResult()
{
    QFETCH(Qt::FocusReason, reason);
    QFETCH(bool, emptied);
    calculate(kUpper, "2");
    calculate(kLower, "2");
    for (const Row &r : {kUpper, kLower}) {
        testing::child<QPushButton>(m_form.get(), r.button)->setFocus(Qt::MouseFocusReason);
        field(r.entry)->setFocus(reason);
        QCOMPARE(field(r.entry)->hasFocus(), true);
        QCOMPARE(field(r.result)->text().isEmpty(), emptied);
    }
}

void WavelengthWindowTest::userMovesEmptyOnlyTheirRow()
{
    calculate(kUpper, "2");
    calculate(kLower, "2");
    const QString result = QStringLiteral("149.896.229,0000");
    testing::click(field("Text1"));
    QCOMPARE(texts(), QStringList({"2,0000", "", "2,0000", result}));

    calculate(kUpper, "2");
    // From the upper button, Tab goes on to Text3.
    QTest::keyClick(testing::child<QPushButton>(m_form.get(), "Command1"), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), field("Text3"));
    QCOMPARE(texts(), QStringList({"2,0000", result, "2,0000", ""}));
}

void WavelengthWindowTest::keyFilterWithoutLimit_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("full stop dropped") << "Text1" << "1.5" << "15";
    QTest::newRow("minus dropped") << "Text3" << "-3" << "3";
    QTest::newRow("letters and blank dropped") << "Text1" << "a 7b" << "7";
    QTest::newRow("no length limit") << "Text3" << QString(60, u'9') << QString(60, u'9');
}

void WavelengthWindowTest::keyFilterWithoutLimit()
{
    QFETCH(QString, name);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    testing::typeInto(field(name), typed);
    QCOMPARE(field(name)->text(), kept);
    QTest::keyClick(field(name), Qt::Key_Backspace);
    QCOMPARE(field(name)->text(), kept.chopped(1));
}

void WavelengthWindowTest::keyboardOrder()
{
    const QStringList order{"Text1", "Text2", "Command1", "Text3", "Text4", "Command2", "Text5", "Text1"};
    QCOMPARE(testing::tabOrder(int(order.size()) - 1), order);
}

QTEST_MAIN(WavelengthWindowTest)
#include "tst_wavelengthwindow.moc"
