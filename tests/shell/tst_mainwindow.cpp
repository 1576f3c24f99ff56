// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "animatedpicture.h"
#include "converterlauncher.h"
#include "mainwindow.h"
#include "useractions.h"
#include "warning.h"

#include <QAction>
#include <QDir>
#include <QImageReader>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMovie>
#include <QPointer>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

#include <algorithm>
#include <csignal>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

// The frames of the main window's animation in both resolutions that have
// exactly this size.
QList<QImage> framesDrawnAt(QSize size)
{
    QList<QImage> frames;
    for (const char *file : {":/animations/cb-funk.gif", ":/animations/cb-funk@2x.gif"}) {
        QImageReader reader(QString::fromLatin1(file));
        for (QImage frame = reader.read(); !frame.isNull(); frame = reader.read()) {
            if (frame.size() == size)
                frames << frame.convertToFormat(QImage::Format_RGB32);
        }
    }
    return frames;
}

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void menuBarOrder();
    void menuByKeyboard();
    void aboutBox();
    void contents();
    void menuOpensWindowModally_data();
    void menuOpensWindowModally();
    void centredLabelsKeepTextAtTop_data();
    void centredLabelsKeepTextAtTop();
    void animationFitsScreen();
    void startsConverter();
    void missingConverterIsReported();

private:
    Form3 *m_form = nullptr;
};

void MainWindowTest::initTestCase()
{
    m_form = new Form3;
    m_form->setAttribute(Qt::WA_DeleteOnClose);
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form));
}

void MainWindowTest::menuBarOrder()
{
    QStringList captions;
    for (const QAction *action : m_form->menuBar()->actions())
        captions << action->text();
    QCOMPARE(captions, (QStringList{"Verstärker", "I-U-R", "Einheiten", "VB Farbcode", "Frequenz-Wellenlänge",
                                    "Koppel-C", "R-Farbcode", "Bauteile", "Hilfe"}));
    const auto items = [](const QAction *dropDown) {
        QStringList texts;
        for (const QAction *action : dropDown->menu()->actions())
            texts << action->text() + u' ' + action->shortcut().toString();
        return texts;
    };
    QCOMPARE(items(m_form->menuBar()->actions().first()), (QStringList{"RC-Verstärker 1 ", "RC-Verstärker 2 "}));
    QCOMPARE(items(m_form->menuBar()->actions().at(7)), (QStringList{"Bauteilwerte ", "Spannungsteiler ", "LED-Vorwiderstand "}));
    QCOMPARE(items(m_form->menuBar()->actions().last()), (QStringList{"Hilfe zu Elektronik F1", "Über Elektronik "}));
    // Only "Verstärker", "Bauteile" and "Hilfe" drop down.
    for (const QAction *action : m_form->menuBar()->actions().mid(1).first(6))
        QVERIFY(!action->menu());
}

// Name and version from the build, the Qt it runs on, the licence without
// warranty, and no placeholder address.
void MainWindowTest::aboutBox()
{
    QString text;
    const auto open = [this] { m_form->findChild<QAction *>(QStringLiteral("ueber"))->trigger(); };
    const QString fault = testing::onNextModal(open, [&](QWidget *box) {
        for (const char *part : {"windowTitle", "text", "informativeText"})
            text += box->property(part).toString() + u'\n';
        box->close();
    });
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    for (const QString &part : {QStringLiteral("Über Elektronik"), QStringLiteral("Elektronik 2.0.0"),
                                QStringLiteral("Qt ") + QString::fromLatin1(qVersion()),
                                QStringLiteral("GPL-3.0-or-later"), QStringLiteral("OHNE IRGENDEINE GARANTIE")})
        QVERIFY2(text.contains(part), qPrintable(part));
    QVERIFY(!text.contains(QStringLiteral("example.org")));
}

void MainWindowTest::menuByKeyboard()
{
    m_form->activateWindow();
    QTest::keyClick(m_form, Qt::Key_F10);
    QMenu *ver = m_form->menuBar()->actions().first()->menu();
    QTRY_VERIFY(ver->isVisible());
    ver->close();
}

void MainWindowTest::contents()
{
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Elektronik Berechnungen"));
    QCOMPARE(testing::child<QLabel>(m_form, "Label1")->text(), QStringLiteral("Programm zum Berechnen von Schaltungen"));
    QCOMPARE(testing::child<QLabel>(m_form, "Label2")->text(), QStringLiteral("Version 2.0"));
    const QStringList notice = testing::child<QTextEdit>(m_form, "Text1")->toPlainText().split(u'\n');
    QCOMPARE(notice.size(), 3);
    QCOMPARE(notice.last(), QStringLiteral("Für Fehler wird keine Haftung übernommen!"));
    QCOMPARE(m_form->centralWidget()->size(), QSize(754, 220));
    QCOMPARE(m_form->centralWidget()->palette().color(QPalette::Window), QColor(255, 255, 128));
    const auto *animation = testing::child<AnimatedPicture>(m_form, "AniGif1");
    const QPixmap firstFrame = animation->pixmap();
    QVERIFY(!firstFrame.isNull());
    // It plays.
    QTRY_VERIFY(animation->pixmap().cacheKey() != firstFrame.cacheKey());
    QCOMPARE(animation->geometry(), QRect(416, 72, 241, 97));
}

void MainWindowTest::menuOpensWindowModally_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");
    QTest::newRow("RC-Verstärker 1") << "rcver1" << "Form1" << "Verstärker-Berechnung";
    QTest::newRow("RC-Verstärker 2") << "rcve2" << "Form5" << "Verstärker Berechnung";
    QTest::newRow("I-U-R") << "iur" << "Form6" << "Strom-Spannung-Widerstand";
    QTest::newRow("VB Farbcode") << "farb" << "Form7" << "VB Farbcode";
    QTest::newRow("Frequenz-Wellenlänge") << "fre" << "Form8" << "Frequenz - Wellenlänge";
    QTest::newRow("Koppel-C") << "koppel" << "Form9" << "Koppel-Kondensator";
    QTest::newRow("R-Farbcode") << "farbe" << "Form10" << "Widerstands Farbcode";
    QTest::newRow("Bauteilwerte") << "bauteil" << "Form11" << "Bauteilwerte";
    QTest::newRow("Spannungsteiler") << "spannung" << "Form12" << "Spannungsteiler";
    QTest::newRow("LED-Vorwiderstand") << "ledvor" << "Form13" << "LED-Vorwiderstand";
}

void MainWindowTest::menuOpensWindowModally()
{
    QFETCH(QString, item);
    QFETCH(QString, window);
    QFETCH(QString, caption);
    // Twice: each opening is a fresh window, and the menu works again after closing.
    for (int opening = 0; opening < 2; ++opening) {
        QString seenName, seenCaption;
        bool blocksMainWindow = false;
        const auto open = [&] { m_form->findChild<QAction *>(item)->trigger(); };
        const QString fault = testing::onNextModal(open, [&](QWidget *modal) {
            seenName = modal->objectName();
            seenCaption = modal->windowTitle();
            blocksMainWindow = modal->isModal() && QApplication::activeModalWidget() == modal
                && !modal->parentWidget();
            modal->close();
        });
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        QCOMPARE(seenName, window);
        QCOMPARE(seenCaption, caption);
        QVERIFY(blocksMainWindow);
    }
}

void MainWindowTest::centredLabelsKeepTextAtTop_data()
{
    QTest::addColumn<QString>("label");
    QTest::newRow("Label1") << "Label1";
    QTest::newRow("Label2") << "Label2";
}

void MainWindowTest::centredLabelsKeepTextAtTop()
{
    QFETCH(QString, label);
    const QString fault = testing::textPlacementFault(testing::child<QLabel>(m_form, label));
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
}

// Run at device pixel ratios 1 and 2, and on three screens side by side at
// 1, 1,25 and 2 (see CMakeLists.txt): on every screen the main window moves
// to, the frames shown have as many pixels as that screen gives the
// control, are the frames drawn at that size where there are such, and are
// drawn one to one.
void MainWindowTest::animationFitsScreen()
{
    auto *animation = testing::child<AnimatedPicture>(m_form, "AniGif1");
    const QPoint home = m_form->pos();
    // Every other screen in turn, then back to the first.
    QList<QScreen *> visits = QGuiApplication::screens();
    std::rotate(visits.begin(), visits.begin() + 1, visits.end());
    for (QScreen *screen : visits) {
        const QPointer<QMovie> movie = animation->findChild<QMovie *>();
        const QString frames = movie->fileName();
        m_form->move(screen->geometry().topLeft() + QPoint(40, 40));
        QTRY_COMPARE(m_form->screen(), screen);
        const qreal ratio = screen->devicePixelRatio();
        QTRY_COMPARE(animation->pixmap().devicePixelRatio(), ratio);
        // Where the same frames suit the new screen, they play on.
        if (animation->findChild<QMovie *>()->fileName() == frames)
            QVERIFY2(movie, "the same frames loaded afresh");
        const QPixmap frame = animation->pixmap();
        QCOMPARE(frame.size(), animation->size() * ratio);
        const QImage shown = frame.toImage().convertToFormat(QImage::Format_RGB32);
        const QList<QImage> drawnAtSize = framesDrawnAt(frame.size());
        QVERIFY(drawnAtSize.isEmpty() || drawnAtSize.contains(shown));
        QVERIFY(animation->grab().toImage().convertToFormat(QImage::Format_RGB32) == shown);
    }
    m_form->move(home);
}

void MainWindowTest::startsConverter()
{
    const QString binDir = qEnvironmentVariable("ELEKTRONIK_BIN_DIR");
    QVERIFY(!QStandardPaths::findExecutable(QStringLiteral("einheiten"), {binDir}).isEmpty());
    const auto pid = startConverter({binDir});
    QVERIFY(pid.has_value());
    QVERIFY(*pid > 0);
#ifdef Q_OS_UNIX
    ::kill(pid_t(*pid), SIGTERM);
#elif defined(Q_OS_WIN)
    if (const HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, DWORD(*pid))) {
        TerminateProcess(process, 0);
        CloseHandle(process);
    }
#endif
}

void MainWindowTest::missingConverterIsReported()
{
    QTemporaryDir empty;
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", empty.path().toLocal8Bit());
    QVERIFY(!startConverter({empty.path()}).has_value());

    // Through the menu: the warning, and the main window carries on.
    common::WarningRecorder recorder;
    m_form->findChild<QAction *>(QStringLiteral("ein"))->trigger();
    qputenv("PATH", path);
    QCOMPARE(recorder.messages(), QStringList{QStringLiteral("einheiten konnte nicht gestartet werden")});
    QVERIFY(m_form->isVisible());
}

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
