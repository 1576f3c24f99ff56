// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "amplifier1window.h"
#include "amplifier2window.h"
#include "curvewindows.h"
#include "help.h"
#include "picture.h"
#include "steps.h"
#include "useractions.h"
#include "warning.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#ifdef ELEKTRONIK_PICTURES_AS_PNG
#include <QImageReader>
#else
#include <QSvgRenderer>
#endif
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using testing::child;
using testing::fieldSteps;
using testing::stepNames;

namespace {

const QString kWrongInput = QStringLiteral("falsche Eingabe");

std::unique_ptr<common::Form> openWindow(const QString &name)
{
    if (name == u"Form1")
        return testing::openWindow<Form1>();
    return testing::openWindow<Form5>();
}

void compute(const QWidget *window)
{
    QTest::mouseClick(child<QPushButton>(window, QStringLiteral("Command1")), Qt::LeftButton);
}

const QStringList kExample = {u"Text1=12"_s, u"Text2=6"_s, u"Text3=0,7"_s, u"Text4=2"_s, u"Text5=20"_s};
const QStringList kExampleWithRe = kExample + QStringList{u"Text7=470"_s};

// The worked example as the window takes it: Form5 also needs Re.
QStringList exampleFor(const QString &window)
{
    return window == u"Form1" ? kExample : kExampleWithRe;
}

QStringList resultsOf(const QString &window)
{
    if (window == u"Form1")
        return {u"Text7"_s, u"Text8"_s, u"Text9"_s, u"Text10"_s};
    return {u"Text8"_s, u"Text9"_s, u"Text10"_s};
}

// A result field's hint: the nearest values in E12, E24 and E96.
QString hintOf(const char *e12, const char *e24, const char *e96)
{
    return QString::fromUtf8("Nächste Normwerte:\nE12: %1 kOhm\nE24: %2 kOhm\nE96: %3 kOhm").arg(e12, e24, e96);
}

// The size a drawing was made at; empty when it cannot be read. A build
// without QtSvg holds it rendered at three times that size.
QSize drawingSize(const QString &resource)
{
#ifdef ELEKTRONIK_PICTURES_AS_PNG
    return QImageReader(resource, "png").size() / 3;
#else
    const QSvgRenderer drawing(resource);
    return drawing.isValid() ? drawing.defaultSize() : QSize();
#endif
}

} // namespace

class AmplifierWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void opening_data();
    void opening();
    void calculates_data();
    void calculates();
    void standardValues_data();
    void standardValues();
    void refuses_data();
    void refuses();
    void emptiedFieldBecomesZero_data();
    void emptiedFieldBecomesZero();
    void clickSelectsAllThenTypingReplaces_data();
    void clickSelectsAllThenTypingReplaces();
    void ubTakesSixCharacters_data();
    void ubTakesSixCharacters();
    void unitPick_data();
    void unitPick();
    void opensCurveWindows_data();
    void opensCurveWindows();
    void curveWindows_data();
    void curveWindows();
    void focusOrder_data();
    void focusOrder();
    void hintBoxTakesTyping_data();
    void hintBoxTakesTyping();
};

void AmplifierWindowsTest::opening_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("ownIcon");
    QTest::addColumn<QString>("circuit");
    QTest::addColumn<QSize>("circuitSize");
    QTest::newRow("Form1") << "Form1" << QString::fromUtf8("Verstärker-Berechnung") << true
                           << ":/amplifier/circuit1.svg" << QSize(613, 471);
    QTest::newRow("Form5") << "Form5" << QString::fromUtf8("Verstärker Berechnung") << false
                           << ":/amplifier/circuit2.svg" << QSize(648, 542);
}

void AmplifierWindowsTest::opening()
{
    QFETCH(QString, window);
    QFETCH(QString, caption);
    QFETCH(bool, ownIcon);
    QFETCH(QString, circuit);
    QFETCH(QSize, circuitSize);
    const auto form = openWindow(window);
    QCOMPARE(form->windowTitle(), caption);
    QCOMPARE(form->windowIcon().cacheKey() != QApplication::windowIcon().cacheKey(), ownIcon);
    QCOMPARE(child<QComboBox>(form.get(), u"Combo4"_s)->currentText(), u"mA"_s);
    QCOMPARE(child<QComboBox>(form.get(), u"Combo5"_s)->currentText(), QString::fromUtf8("µA"));
    QCOMPARE(child<QComboBox>(form.get(), u"Combo6"_s)->currentText(), u"2"_s);
    QCOMPARE(drawingSize(circuit), circuitSize);
}

void AmplifierWindowsTest::calculates_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("results");
    QTest::newRow("Form1 worked example")
        << "Form1" << kExample << QStringList{u"Text7=565,000"_s, u"Text8=3,000"_s, u"Text9=188,333"_s, u"Text10=17,500"_s};
    QTest::newRow("Form1 µA picked, then Ic 2")
        << "Form1" << QStringList{u"Combo4=µA"_s} + kExample
        << QStringList{u"Text7=565,000"_s, u"Text8=3000,000"_s, u"Text9=188,333"_s, u"Text10=17,500"_s};
    QTest::newRow("Form1 factor 10")
        << "Form1" << kExample + QStringList{u"Combo6=10"_s}
        << QStringList{u"Text7=565,000"_s, u"Text8=3,000"_s, u"Text9=51,364"_s, u"Text10=3,500"_s};
    QTest::newRow("Form1 Uce above Ub")
        << "Form1" << kExample + QStringList{u"Text2=14"_s}
        << QStringList{u"Text7=565,000"_s, u"Text8=-1,000"_s, u"Text9=188,333"_s, u"Text10=17,500"_s};
    QTest::newRow("Form5 worked example")
        << "Form5" << kExampleWithRe << QStringList{u"Text8=2,525"_s, u"Text9=172,510"_s, u"Text10=41,235"_s};
    QTest::newRow("Form5 Re 1000")
        << "Form5" << kExample + QStringList{u"Text7=1000"_s}
        << QStringList{u"Text8=1,990"_s, u"Text9=154,667"_s, u"Text10=68,000"_s};
    QTest::newRow("Form5 Re 3000")
        << "Form5" << kExample + QStringList{u"Text7=3000"_s}
        << QStringList{u"Text8=-0,030"_s, u"Text9=87,333"_s, u"Text10=169,000"_s};
}

void AmplifierWindowsTest::calculates()
{
    QFETCH(QString, window);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, results);
    common::WarningRecorder recorder;
    const auto form = openWindow(window);
    QCOMPARE(testing::doSteps(form.get(), steps), QString());
    compute(form.get());
    QCOMPARE(recorder.take(), QStringList());
    QCOMPARE(fieldSteps(form.get(), stepNames(results)), results);
}

void AmplifierWindowsTest::standardValues_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("then");
    QTest::addColumn<QStringList>("hints");
    const QString none;
    const QString r1WithoutR2 = hintOf("560", "560", "562");
    const QString rc = hintOf("3,3", "3", "3,01");
    const QStringList example = {r1WithoutR2, rc, hintOf("180", "180", "187"), hintOf("18", "18", "17,4")};
    const QStringList example5 = {hintOf("2,7", "2,4", "2,55"), hintOf("180", "180", "174"),
                                  hintOf("39", "43", "41,2")};
    QTest::newRow("Form1 worked example, computed again") << "Form1" << QStringList() << example;
    QTest::newRow("Form1 factor 10 after the example")
        << "Form1" << QStringList{u"Combo6=10"_s}
        << QStringList{r1WithoutR2, rc, hintOf("56", "51", "51,1"), hintOf("3,3", "3,6", "3,48")};
    QTest::newRow("Form1 Uce above Ub after the example: none for a negative Rc")
        << "Form1" << QStringList{u"Text2=14"_s} << QStringList{r1WithoutR2, none, example[2], example[3]};
    QTest::newRow("Form5 worked example, computed again") << "Form5" << QStringList() << example5;
    QTest::newRow("Form5 refused after the example: results and hints stay")
        << "Form5" << QStringList{u"Text7=,"_s} << example5;
}

void AmplifierWindowsTest::standardValues()
{
    QFETCH(QString, window);
    QFETCH(QStringList, then);
    QFETCH(QStringList, hints);
    common::WarningRecorder recorder;
    const auto form = openWindow(window);
    QCOMPARE(testing::doSteps(form.get(), exampleFor(window)), QString());
    compute(form.get());
    QCOMPARE(testing::doSteps(form.get(), then), QString());
    compute(form.get());
    QCOMPARE(testing::hints(form.get(), resultsOf(window)), hints);
}

void AmplifierWindowsTest::refuses_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("kept");
    QTest::newRow("Form1 fresh window") << "Form1" << QStringList() << QStringList{u"Text1=0"_s};
    QTest::newRow("Form5 fresh window") << "Form5" << QStringList() << QStringList{u"Text1=0"_s};
    QTest::newRow("Form5 everything but Re")
        << "Form5" << kExample << QStringList{u"Text7=0"_s};
    QTest::newRow("Form1 Ub of blanks only")
        << "Form1" << kExample + QStringList{u"Text1=  "_s} << QStringList{u"Text1=  "_s};
    QTest::newRow("Form5 Uce with two commas")
        << "Form5" << kExampleWithRe + QStringList{u"Text2=6,,0"_s} << QStringList{u"Text2=6,,0"_s};
    QTest::newRow("Form1 blank between digits")
        << "Form1" << kExample + QStringList{u"Text5=2 0"_s} << QStringList{u"Text5=2 0"_s};
    QTest::newRow("Form5 lone comma for Re")
        << "Form5" << kExample + QStringList{u"Text7=,"_s} << QStringList{u"Text7=,"_s};
}

void AmplifierWindowsTest::refuses()
{
    QFETCH(QString, window);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, kept);
    common::WarningRecorder recorder;
    const auto form = openWindow(window);
    QCOMPARE(testing::doSteps(form.get(), steps), QString());
    compute(form.get());
    QCOMPARE(recorder.take(), QStringList{kWrongInput});
    QCOMPARE(fieldSteps(form.get(), stepNames(kept)), kept);
    for (const QString &result : resultsOf(window))
        QCOMPARE(child<QLineEdit>(form.get(), result)->text(), QString());
}

void AmplifierWindowsTest::emptiedFieldBecomesZero_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("field");
    QTest::newRow("Form1 Text3") << "Form1" << "Text3";
    QTest::newRow("Form1 Text1") << "Form1" << "Text1";
    QTest::newRow("Form5 Text3") << "Form5" << "Text3";
    QTest::newRow("Form5 Text7") << "Form5" << "Text7";
}

void AmplifierWindowsTest::emptiedFieldBecomesZero()
{
    QFETCH(QString, window);
    QFETCH(QString, field);
    common::WarningRecorder recorder;
    const auto form = openWindow(window);
    QCOMPARE(testing::doSteps(form.get(), exampleFor(window)), QString());
    compute(form.get());
    const QStringList before = fieldSteps(form.get(), resultsOf(window));
    QVERIFY(!before.first().endsWith(u'='));

    testing::clearField(child<QLineEdit>(form.get(), field));
    compute(form.get());
    QCOMPARE(child<QLineEdit>(form.get(), field)->text(), u"0"_s);
    QCOMPARE(recorder.take(), QStringList{kWrongInput});
    QCOMPARE(fieldSteps(form.get(), resultsOf(window)), before);
}

void AmplifierWindowsTest::clickSelectsAllThenTypingReplaces_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("field");
    QTest::newRow("Form1 Text1") << "Form1" << "Text1";
    QTest::newRow("Form1 Text4") << "Form1" << "Text4";
    QTest::newRow("Form5 Text7") << "Form5" << "Text7";
}

void AmplifierWindowsTest::clickSelectsAllThenTypingReplaces()
{
    QFETCH(QString, window);
    QFETCH(QString, field);
    const auto form = openWindow(window);
    auto *entry = child<QLineEdit>(form.get(), field);
    QCOMPARE(entry->text(), u"0"_s);
    // Twice: a click into a field that has the focus selects all as well.
    testing::click(entry);
    testing::click(entry);
    QTest::keyClicks(entry, u"12"_s);
    QCOMPARE(entry->text(), u"12"_s);
}

void AmplifierWindowsTest::ubTakesSixCharacters_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("Form1") << "Form1";
    QTest::newRow("Form5") << "Form5";
}

void AmplifierWindowsTest::ubTakesSixCharacters()
{
    QFETCH(QString, window);
    const auto form = openWindow(window);
    testing::typeInto(child<QLineEdit>(form.get(), u"Text1"_s), u"1234567"_s);
    testing::typeInto(child<QLineEdit>(form.get(), u"Text2"_s), u"12345678901"_s);
    QCOMPARE(child<QLineEdit>(form.get(), u"Text1"_s)->text(), u"123456"_s);
    QCOMPARE(child<QLineEdit>(form.get(), u"Text2"_s)->text(), u"1234567890"_s);
}

void AmplifierWindowsTest::unitPick_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("selector");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("left");
    // Form1 never reads an old number with a new unit; Form5 does.
    QTest::newRow("Form1 Combo4 resets Ic") << "Form1" << "Combo4" << QString::fromUtf8("µA") << "Text4" << "0";
    QTest::newRow("Form1 Combo5 resets Ib") << "Form1" << "Combo5" << "mA" << "Text5" << "0";
    QTest::newRow("Form1 same unit again resets too") << "Form1" << "Combo4" << "mA" << "Text4" << "0";
    QTest::newRow("Form5 Combo4 keeps Ic") << "Form5" << "Combo4" << QString::fromUtf8("µA") << "Text4" << "2";
    QTest::newRow("Form5 Combo5 keeps Ib") << "Form5" << "Combo5" << "mA" << "Text5" << "20";
}

void AmplifierWindowsTest::unitPick()
{
    QFETCH(QString, window);
    QFETCH(QString, selector);
    QFETCH(QString, unit);
    QFETCH(QString, field);
    QFETCH(QString, left);
    const auto form = openWindow(window);
    QCOMPARE(testing::doSteps(form.get(), exampleFor(window)), QString());
    QVERIFY(testing::pick(child<QComboBox>(form.get(), selector), unit));
    QCOMPARE(child<QLineEdit>(form.get(), field)->text(), left);
}

void AmplifierWindowsTest::opensCurveWindows_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("opened");
    QTest::addColumn<QString>("caption");
    QTest::newRow("Form1 Kennlinie 1") << "Form1" << "kenn1" << "Form2" << "Kennlinie-Beispiel";
    QTest::newRow("Form1 Kennlinie 2") << "Form1" << "kenn2" << "Form4" << "Kennlinie Beispiel";
    QTest::newRow("Form5 Kennlinie 1") << "Form5" << "kenn1" << "Form2" << "Kennlinie-Beispiel";
    QTest::newRow("Form5 Kennlinie 2") << "Form5" << "kenn2" << "Form4" << "Kennlinie Beispiel";
    QTest::newRow("Form5 circuit picture") << "Form5" << "Image1" << "Form4" << "Kennlinie Beispiel";
}

void AmplifierWindowsTest::opensCurveWindows()
{
    QFETCH(QString, window);
    QFETCH(QString, item);
    QFETCH(QString, opened);
    QFETCH(QString, caption);
    const auto form = openWindow(window);
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    testing::typeInto(child<QLineEdit>(form.get(), u"Text1"_s), u"12"_s);

    QString seenName, seenCaption, seenHelp;
    // Opens the menu, if any, before the click that brings the window up.
    QWidget *target = form->findChild<common::Picture *>(item);
    QPoint at = target ? target->rect().center() : QPoint();
    if (!target) {
        auto *bar = form->findChild<QMenuBar *>();
        auto *menu = child<QMenu>(form.get(), u"ke"_s);
        QCOMPARE(menu->title(), u"Kennlinien"_s);
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        target = menu;
        at = menu->actionGeometry(form->findChild<QAction *>(item)).center();
    }
    const auto open = [&] { QTest::mouseClick(target, Qt::LeftButton, {}, at); };
    const QString fault = testing::onNextModal(open, [&](QWidget *modal) {
        seenName = modal->objectName();
        seenCaption = modal->windowTitle();
        seenHelp = common::helpPage(modal);
        modal->close();
    });
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    QCOMPARE(seenName, opened);
    QCOMPARE(seenCaption, caption);
    // F1 there explains the calculator that opened it.
    QCOMPARE(seenHelp, common::helpPage(form.get()));
    // The calculator keeps its entries while a curve window is open.
    QCOMPARE(child<QLineEdit>(form.get(), u"Text1"_s)->text(), u"12"_s);
}

void AmplifierWindowsTest::curveWindows_data()
{
    QTest::addColumn<bool>("first");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QRect>("picture");
    QTest::newRow("Form2") << true << "Kennlinie-Beispiel" << QSize(833, 570) << QRect(16, 16, 801, 537);
    QTest::newRow("Form4") << false << "Kennlinie Beispiel" << QSize(678, 498) << QRect(16, 16, 646, 465);
}

void AmplifierWindowsTest::curveWindows()
{
    QFETCH(bool, first);
    QFETCH(QString, caption);
    QFETCH(QSize, client);
    QFETCH(QRect, picture);
    std::unique_ptr<common::Form> form;
    if (first)
        form = std::make_unique<Form2>(QStringLiteral("verstaerker1.html"));
    else
        form = std::make_unique<Form4>(QStringLiteral("verstaerker1.html"));
    QCOMPARE(form->windowTitle(), caption);
    QCOMPARE(form->client()->size(), client);
    QCOMPARE(testing::child<QWidget>(form.get(), "Image1")->geometry(), picture);
    QVERIFY(!testing::child<QWidget>(form.get(), "Image1")->accessibleName().isEmpty());
    QCOMPARE(drawingSize(u":/amplifier/kennlinie.svg"_s), QSize(889, 663));
    if (first) {
        auto *hint = testing::child<QLabel>(form.get(), "Label1");
        QCOMPARE(hint->text(), QStringLiteral("Bitte die entsprechende Kennlinie einsehen!"));
        QCOMPARE(hint->palette().color(QPalette::Window), QColor(255, 128, 255));
        const QString fault = testing::textPlacementFault(hint);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }
}

void AmplifierWindowsTest::focusOrder_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("Form1") << "Form1"
                           << QStringList{u"Text1"_s,    u"Text2"_s,  u"Combo2"_s, u"Text3"_s,  u"Combo3"_s,
                                          u"Text4"_s,    u"Combo4"_s, u"Text5"_s,  u"Combo5"_s, u"Combo6"_s,
                                          u"Command1"_s, u"Text7"_s,  u"Text8"_s,  u"Text9"_s,  u"Text10"_s,
                                          u"Combo1"_s,   u"Text6"_s,  u"Text1"_s};
    QTest::newRow("Form5") << "Form5"
                           << QStringList{u"Text1"_s,  u"Combo1"_s, u"Text2"_s,    u"Combo2"_s, u"Text3"_s,
                                          u"Combo3"_s, u"Text4"_s,  u"Combo4"_s,   u"Text5"_s,  u"Combo5"_s,
                                          u"Text7"_s,  u"Combo6"_s, u"Command1"_s, u"Text10"_s, u"Text9"_s,
                                          u"Text8"_s,  u"Text6"_s,  u"Text1"_s};
}

void AmplifierWindowsTest::focusOrder()
{
    QFETCH(QString, window);
    QFETCH(QStringList, order);
    const auto form = openWindow(window);
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    QCOMPARE(testing::tabOrder(int(order.size()) - 1), order);
}

void AmplifierWindowsTest::hintBoxTakesTyping_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("Form1") << "Form1";
    QTest::newRow("Form5") << "Form5";
}

void AmplifierWindowsTest::hintBoxTakesTyping()
{
    QFETCH(QString, window);
    const auto form = openWindow(window);
    auto *hint = child<QPlainTextEdit>(form.get(), u"Text6"_s);
    testing::click(hint);
    QTest::keyClick(hint, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(hint, Qt::Key_Return);
    QTest::keyClicks(hint, u"Ib 20"_s);
    QCOMPARE(hint->toPlainText(), QString::fromUtf8("aus\nentsprechender\nKennlinie\nauswählen\nIb 20"));
    QCOMPARE(hint->palette().color(QPalette::Text), QColor(255, 0, 0));
    QVERIFY(hint->font().bold());
}

QTEST_MAIN(AmplifierWindowsTest)
#include "tst_amplifierwindows.moc"
