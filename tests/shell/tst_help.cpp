// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "helpexamples.h"
#include "windowrows.h"

#include <QPointer>
#include <QTextBrowser>

// F1 in each window, and each help page's worked examples in its window.
class HelpTest : public QObject
{
    Q_OBJECT

private slots:
    void helpBesideWindow_data();
    void helpBesideWindow();
};

void HelpTest::helpBesideWindow_data()
{
    QTest::addColumn<testing::WindowFactory>("factory");
    QTest::addColumn<QString>("page");
    QTest::addColumn<bool>("examples"); // the converter's are its own test's
    QTest::newRow("main window: the overview") << testing::makeWindow<Form3>() << "uebersicht.html" << false;
    QTest::newRow("converter") << testing::makeWindow<converter::Form1>() << "einheiten.html" << false;
    QTest::newRow("RC-Verstärker 1") << testing::makeWindow<Form1>() << "verstaerker1.html" << true;
    QTest::newRow("RC-Verstärker 2") << testing::makeWindow<Form5>() << "verstaerker2.html" << true;
    QTest::newRow("I-U-R") << testing::makeWindow<Form6>() << "iur.html" << true;
    QTest::newRow("VB Farbcode") << testing::makeWindow<Form7>() << "vb-farbcode.html" << true;
    QTest::newRow("Frequenz-Wellenlänge") << testing::makeWindow<Form8>() << "frequenz-wellenlaenge.html" << true;
    QTest::newRow("Koppel-C") << testing::makeWindow<Form9>() << "koppel-c.html" << true;
    QTest::newRow("R-Farbcode") << testing::makeWindow<Form10>() << "r-farbcode.html" << true;
    QTest::newRow("Bauteilwerte") << testing::makeWindow<Form11>() << "bauteilwerte.html" << true;
}

// F1 in a modal window, as the main window opens its calculators, opens its
// page unblocked, a second F1 no second one; each example is entered in a
// fresh window beside its help, which closes with the window.
void HelpTest::helpBesideWindow()
{
    QFETCH(testing::WindowFactory, factory);
    QFETCH(QString, page);
    QFETCH(bool, examples);
    const QList<testing::Example> entered = examples ? testing::helpExamples(page) : QList<testing::Example>{{}};
    QVERIFY(!entered.isEmpty());
    for (const testing::Example &example : entered) {
        const std::unique_ptr<QWidget> window = factory();
        window->setWindowModality(Qt::ApplicationModal);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window.get(), Qt::Key_F1);
        QPointer<QTextBrowser> help = window->findChild<QTextBrowser *>(QStringLiteral("Hilfe"));
        QVERIFY(help && QTest::qWaitForWindowActive(help));
        QVERIFY(!help->isModal());
        QCOMPARE(help->source().toString(), QStringLiteral("qrc:/help/") + page);
        QCOMPARE(help->windowTitle(), QStringLiteral("Hilfe – ") + window->windowTitle());
        QVERIFY(!help->toPlainText().isEmpty());

        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window.get(), Qt::Key_F1);
        QCOMPARE(window->findChildren<QTextBrowser *>().size(), 1);
        QVERIFY(QTest::qWaitForWindowActive(help));
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        const QStringList faults = testing::runExample(window.get(), example);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
        QVERIFY(help->isVisible());
        window->close();
        QTRY_VERIFY(!help || !help->isVisible());
    }
}

QTEST_MAIN(HelpTest)
#include "tst_help.moc"
