// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "entryfield.h"
#include "useractions.h"

#include <QClipboard>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

using common::DigitFilter;
using common::EntryField;
using common::EntrySpec;

class EntryFieldTest : public QObject
{
    Q_OBJECT

private slots:
    void filtersKeys_data();
    void filtersKeys();
    void dropsEditingShortcuts_data();
    void dropsEditingShortcuts();
    void limitsTyping();
    void programWritesAreNotCut();
    void backspaceWorksOnLongText();
    void pasteObeysLimitButNotFilter();
    void dropFromElsewhereObeysLimit();
    void dragWithinFieldMoves();
    void keyBetweenDigits_data();
    void keyBetweenDigits();
    void clickSelectsAll();
    void changeSignalForProgramWrites();
};

void EntryFieldTest::filtersKeys_data()
{
    QTest::addColumn<int>("filter");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    const int with = int(DigitFilter::WithBlank);
    const int without = int(DigitFilter::WithoutBlank);
    QTest::newRow("full stop dropped") << with << "1.5" << "15";
    QTest::newRow("minus dropped") << with << "-3" << "3";
    QTest::newRow("blank kept with blank") << with << "1 2" << "1 2";
    QTest::newRow("blank dropped without blank") << without << "1 2" << "12";
    QTest::newRow("commas all pass") << without << "1,,2" << "1,,2";
    QTest::newRow("letters dropped") << without << "a1b2E" << "12";
    QTest::newRow("Enter dropped") << with << "4\r5" << "45";
    QTest::newRow("micro sign dropped") << with << QString::fromUtf8("7µ") << "7";
}

void EntryFieldTest::filtersKeys()
{
    QFETCH(int, filter);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    EntryField field(QStringLiteral("Text1"), EntrySpec{{}, 0, DigitFilter(filter), false}, nullptr);
    QTest::keyClicks(&field, typed);
    QCOMPARE(field.text(), shown);
}

void EntryFieldTest::dropsEditingShortcuts_data()
{
    QTest::addColumn<QKeySequence>("keys");
    QTest::newRow("Ctrl+V") << QKeySequence(QKeySequence::Paste);
    QTest::newRow("Shift+Insert") << QKeySequence(Qt::ShiftModifier | Qt::Key_Insert);
    QTest::newRow("Ctrl+X") << QKeySequence(QKeySequence::Cut);
    QTest::newRow("Ctrl+Z") << QKeySequence(QKeySequence::Undo);
}

void EntryFieldTest::dropsEditingShortcuts()
{
    QFETCH(QKeySequence, keys);
    QGuiApplication::clipboard()->setText(QStringLiteral("99"));
    EntryField field(QStringLiteral("Text1"), EntrySpec{{}, 0, DigitFilter::WithBlank, false}, nullptr);
    QTest::keyClicks(&field, QStringLiteral("12"));
    field.selectAll();
    QTest::keySequence(&field, keys);
    QCOMPARE(field.text(), QStringLiteral("12"));
}

void EntryFieldTest::limitsTyping()
{
    EntryField field(QStringLiteral("Text1"), EntrySpec{{}, 6, DigitFilter::WithBlank, false}, nullptr);
    QTest::keyClicks(&field, QStringLiteral("123456789"));
    QCOMPARE(field.text(), QStringLiteral("123456"));
    // A selection is replaced, so typing over it still works.
    field.setSelection(0, 2);
    QTest::keyClicks(&field, QStringLiteral("9"));
    QCOMPARE(field.text(), QStringLiteral("93456"));
}

void EntryFieldTest::programWritesAreNotCut()
{
    EntryField field(QStringLiteral("Text1"), EntrySpec{{}, 20, DigitFilter::WithBlank, false}, nullptr);
    const QString grouped = QStringLiteral("1.000.000.000.000,000000");
    field.setText(grouped);
    QCOMPARE(field.text(), grouped);
}

void EntryFieldTest::backspaceWorksOnLongText()
{
    EntryField field(QStringLiteral("Text1"), EntrySpec{{}, 4, DigitFilter::WithBlank, false}, nullptr);
    field.setText(QStringLiteral("123456"));
    field.end(false);
    QTest::keyClick(&field, Qt::Key_Backspace);
    QCOMPARE(field.text(), QStringLiteral("12345"));
    QTest::keyClicks(&field, QStringLiteral("7"));
    QCOMPARE(field.text(), QStringLiteral("12345"));
}

void EntryFieldTest::pasteObeysLimitButNotFilter()
{
    EntryField field(QStringLiteral("Text1"), EntrySpec{{}, 10, DigitFilter::WithoutBlank, false}, nullptr);
    QTest::keyClicks(&field, QStringLiteral("12"));
    QGuiApplication::clipboard()->setText(QStringLiteral("-3,5E+100 and more"));
    QMenu *menu = nullptr;
    // The context menu's paste is the one way to paste.
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(1, 1), field.mapToGlobal(QPoint(1, 1)));
    QCoreApplication::sendEvent(&field, &event);
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (auto *candidate = qobject_cast<QMenu *>(top); candidate && candidate->isVisible())
            menu = candidate;
    }
    QVERIFY(menu);
    QAction *paste = nullptr;
    for (QAction *action : menu->actions()) {
        if (EntryField::isPasteAction(action))
            paste = action;
    }
    QVERIFY(paste);
    paste->trigger();
    menu->close();
    QCOMPARE(field.text(), QStringLiteral("12-3,5E+10"));
}

void EntryFieldTest::dropFromElsewhereObeysLimit()
{
    EntryField field(QStringLiteral("Text1"), EntrySpec{{}, 4, DigitFilter::WithoutBlank, false}, nullptr);
    field.setText(QStringLiteral("12"));
    field.show();
    QVERIFY(QTest::qWaitForWindowExposed(&field));
    QMimeData dragged;
    dragged.setText(QStringLiteral("3456789"));
    // Enter, then drop, as a drag from another program arrives.
    const QPoint end(field.width() - 1, field.height() / 2);
    QDragEnterEvent enter(end, Qt::CopyAction, &dragged, Qt::LeftButton, {});
    QCoreApplication::sendEvent(&field, &enter);
    QDropEvent drop(end, Qt::CopyAction, &dragged, Qt::LeftButton, {});
    QCoreApplication::sendEvent(&field, &drop);
    QCOMPARE(field.text(), QStringLiteral("1234"));
}

// Only a real display carries a drag; tst_entryfield_xserver runs this on
// one and moves the mouse with xdotool, as a hand would.
void EntryFieldTest::dragWithinFieldMoves()
{
    if (QGuiApplication::platformName() != u"xcb")
        QSKIP("needs an X server");
    // Full at five characters: a copy could not get in, a move must.
    EntryField field(QStringLiteral("Text1"), EntrySpec{{}, 5, DigitFilter::WithoutBlank, false}, nullptr);
    field.setText(QStringLiteral("12345"));
    field.setGeometry(100, 100, 200, field.sizeHint().height());
    field.show();
    QVERIFY(QTest::qWaitForWindowExposed(&field));
    field.setSelection(0, 2);
    int between = 0; // where "1" meets "2": inside the selection
    while (between < field.width() && field.cursorPositionAt(QPoint(between, 0)) < 1)
        ++between;
    const QPoint from = field.mapToGlobal(QPoint(between, field.height() / 2));
    const QPoint to = field.mapToGlobal(QPoint(field.width() - 4, field.height() / 2));
    const auto xy = [](QPoint p) { return QStringLiteral("%1 %2").arg(p.x()).arg(p.y()); };
    const QString gesture = QStringLiteral("mousemove %1 mousedown 1 mousemove %2 mousemove %3 mousemove %4 mouseup 1")
                                .arg(xy(from), xy(from + QPoint(30, 0)), xy(to), xy(to + QPoint(1, 0)));
    QCOMPARE(QProcess::execute(QStringLiteral("xdotool"), gesture.split(u' ')), 0);
    QTRY_COMPARE(field.text(), QStringLiteral("34512"));
}

// A key as a keyboard sends it, code and text, pressed between the 2 and
// the 5 of "25".
void EntryFieldTest::keyBetweenDigits_data()
{
    QTest::addColumn<int>("filter");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("character");
    QTest::addColumn<bool>("keypad");
    QTest::addColumn<QString>("shown");
    const int with = int(DigitFilter::WithBlank);
    const int without = int(DigitFilter::WithoutBlank);
    QTest::newRow("keypad key giving a full stop") << with << int(Qt::Key_Period) << "." << true << "2,5";
    QTest::newRow("keypad key giving a comma") << without << int(Qt::Key_Comma) << "," << true << "2,5";
    QTest::newRow("keypad key giving another mark") << without << int(Qt::Key_Period) << "'" << true << "2,5";
    QTest::newRow("main keyboard full stop dropped") << with << int(Qt::Key_Period) << "." << false << "25";
    // X11, Wayland and Windows send the Delete key with the text DEL, which
    // no digit filter lets through.
    QTest::newRow("Delete with its text DEL") << without << int(Qt::Key_Delete) << "\x7f" << false << "2";
}

void EntryFieldTest::keyBetweenDigits()
{
    QFETCH(int, filter);
    QFETCH(int, key);
    QFETCH(QString, character);
    QFETCH(bool, keypad);
    QFETCH(QString, shown);
    EntryField field(QStringLiteral("Text1"), EntrySpec{{}, 10, DigitFilter(filter), false}, nullptr);
    QTest::keyClicks(&field, QStringLiteral("2"));
    QTest::keyClick(&field, Qt::Key_5, Qt::KeypadModifier);
    QTest::keyClick(&field, Qt::Key_Left);
    QTest::sendKeyEvent(QTest::Click, &field, Qt::Key(key), character,
                        keypad ? Qt::KeypadModifier : Qt::NoModifier);
    QCOMPARE(field.text(), shown);
}

void EntryFieldTest::clickSelectsAll()
{
    EntryField field(QStringLiteral("Text1"), EntrySpec{QStringLiteral("0"), 10, DigitFilter::WithBlank, true},
                     nullptr);
    field.show();
    QVERIFY(QTest::qWaitForWindowExposed(&field));
    testing::click(&field);
    QTest::keyClicks(&field, QStringLiteral("12"));
    QCOMPARE(field.text(), QStringLiteral("12"));
    // Also when the field already has the focus.
    testing::click(&field);
    QTest::keyClicks(&field, QStringLiteral("3"));
    QCOMPARE(field.text(), QStringLiteral("3"));
}

void EntryFieldTest::changeSignalForProgramWrites()
{
    EntryField field(QStringLiteral("Text1"), EntrySpec{}, nullptr);
    QSignalSpy changed(&field, &QLineEdit::textChanged);
    field.setText(QStringLiteral("0"));
    QTest::keyClicks(&field, QStringLiteral("1"));
    QCOMPARE(changed.count(), 2);
}

QTEST_MAIN(EntryFieldTest)
#include "tst_entryfield.moc"
