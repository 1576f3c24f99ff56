// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "help.h"
#include "helpexamples.h"
#include "steps.h"
#include "useractions.h"
#include "windowrows.h"

#include <QPointer>
#include <QTextBrowser>

// The help of the windows: each page's worked example against its window,
// and the help window beside a modal calculator.
class HelpTest : public QObject
{
    Q_OBJECT

private slots:
    void examplesMatchWindows_data();
    void examplesMatchWindows();
    void f1OpensItsPage_data();
    void f1OpensItsPage();
    void helpBesideModalCalculator();
};

void HelpTest::examplesMatchWindows_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<testing::WindowFactory>("factory");
    QTest::newRow("RC-Verstärker 1") << "verstaerker1.html" << testing::makeWindow<Form1>();
    QTest::newRow("RC-Verstärker 2") << "verstaerker2.html" << testing::makeWindow<Form5>();
    QTest::newRow("I-U-R") << "iur.html" << testing::makeWindow<Form6>();
    QTest::newRow("VB Farbcode") << "vb-farbcode.html" << testing::makeWindow<Form7>();
    QTest::newRow("Frequenz-Wellenlänge") << "frequenz-wellenlaenge.html" << testing::makeWindow<Form8>();
    QTest::newRow("Koppel-C") << "koppel-c.html" << testing::makeWindow<Form9>();
    QTest::newRow("R-Farbcode") << "r-farbcode.html" << testing::makeWindow<Form10>();
    QTest::newRow("Bauteilwerte") << "bauteilwerte.html" << testing::makeWindow<Form11>();
}

// Each example in a window of its own, as the user opens it; the window
// shows that page as its help.
void HelpTest::examplesMatchWindows()
{
    QFETCH(QString, page);
    QFETCH(testing::WindowFactory, factory);
    QCOMPARE(common::helpPage(factory().get()), page);
    const QList<testing::Example> examples = testing::helpExamples(page);
    QVERIFY(!examples.isEmpty());
    for (const testing::Example &example : examples) {
        const std::unique_ptr<QWidget> window = factory();
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        const QStringList faults = testing::runExample(window.get(), example);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }
}

void HelpTest::f1OpensItsPage_data()
{
    QTest::addColumn<testing::WindowFactory>("factory");
    QTest::addColumn<QString>("page");
    QTest::newRow("main window: the overview") << testing::makeWindow<Form3>() << "uebersicht.html";
    QTest::newRow("RC-Verstärker 1") << testing::makeWindow<Form1>() << "verstaerker1.html";
    QTest::newRow("Kennlinie 2 from RC-Verstärker 2")
        << testing::makeWindow<Form4>(QStringLiteral("verstaerker2.html")) << "verstaerker2.html";
    QTest::newRow("R-Farbcode") << testing::makeWindow<Form10>() << "r-farbcode.html";
    QTest::newRow("converter") << testing::makeWindow<converter::Form1>() << "einheiten.html";
}

void HelpTest::f1OpensItsPage()
{
    QFETCH(testing::WindowFactory, factory);
    QFETCH(QString, page);
    const std::unique_ptr<QWidget> window = factory();
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_F1);
    const auto *help = window->findChild<QTextBrowser *>(QStringLiteral("Hilfe"));
    QVERIFY(help && help->isVisible());
    QCOMPARE(help->source().toString(), QStringLiteral("qrc:/help/") + page);
    QCOMPARE(help->windowTitle(), QStringLiteral("Hilfe – ") + window->windowTitle());
    QVERIFY(!help->toPlainText().isEmpty());
}

// The help opens beside the modal calculator, is not blocked by it, opens
// only once, leaves the calculator usable and closes with it.
void HelpTest::helpBesideModalCalculator()
{
    Form6 form;
    form.setWindowModality(Qt::ApplicationModal);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(&form, Qt::Key_F1);
    QPointer<QTextBrowser> help = form.findChild<QTextBrowser *>(QStringLiteral("Hilfe"));
    QVERIFY(help);
    QVERIFY(QTest::qWaitForWindowActive(help));
    QVERIFY(!help->isModal());
    QCOMPARE(help->windowHandle()->transientParent(), form.windowHandle());

    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(&form, Qt::Key_F1);
    QCOMPARE(form.findChildren<QTextBrowser *>().size(), 1);
    QVERIFY(QTest::qWaitForWindowActive(help));

    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    const QString typed = testing::doSteps(&form, {"Text1=12", "Text3=2,2", "Command1"});
    QVERIFY2(typed.isEmpty(), qPrintable(typed));
    QCOMPARE(testing::child<QLineEdit>(&form, "Text2")->text(), QStringLiteral("5,45454545454545"));
    QVERIFY(help->isVisible());

    form.close();
    QTRY_VERIFY(!help || !help->isVisible());
}

QTEST_MAIN(HelpTest)
#include "tst_help.moc"
