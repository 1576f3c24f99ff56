// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How long each calculator window takes to open (build, show and first
// paint) and each of its "Berechne" buttons takes to compute with valid
// entries typed in. Run by bench/run.sh in a Release build; the target is a
// median below 15 ms for every opening.

#include "amplifier1window.h"
#include "amplifier2window.h"
#include "colourchartwindow.h"
#include "converterwindow.h"
#include "couplingcapwindow.h"
#include "form.h"
#include "ohmslawwindow.h"
#include "resistorcodewindow.h"
#include "steps.h"
#include "warning.h"
#include "wavelengthwindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QElapsedTimer>
#include <QEvent>
#include <QLineEdit>
#include <QTest>

#include <memory>

namespace {

using Maker = std::unique_ptr<QWidget> (*)();

template <typename F>
std::unique_ptr<QWidget> make()
{
    return std::make_unique<F>();
}

struct WindowKind {
    const char *name;
    Maker make;
};

// What opening any window costs on this platform: an empty dialog the size
// of a calculator window, to read the figures below against.
class EmptyWindow : public QDialog
{
public:
    EmptyWindow() { setFixedSize(640, 400); }
};

constexpr WindowKind kWindows[] = {
    {"empty QDialog 640x400", make<EmptyWindow>},
    {"Form1", make<Form1>},   {"Form5", make<Form5>},   {"Form6", make<Form6>},
    {"Form7", make<Form7>},   {"Form8", make<Form8>},   {"Form9", make<Form9>},
    {"Form10", make<Form10>}, {"converter::Form1", make<converter::Form1>},
};

Maker makerOf(const QString &name)
{
    for (const WindowKind &kind : kWindows) {
        if (name == QLatin1String(kind.name))
            return kind.make;
    }
    return nullptr;
}

// Notes the first paint event of the widget it watches.
class PaintWatch : public QObject
{
public:
    explicit PaintWatch(QObject *parent) : QObject(parent) {}
    bool painted = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return QObject::eventFilter(watched, event);
    }
};

// Shows the window and returns once it has painted itself and all its
// children, the way it first appears to the user. Spins the event loop
// without sleeping, so the time is the window's own.
bool showAndPaint(QWidget &window)
{
    auto *watch = new PaintWatch(&window);
    window.installEventFilter(watch);
    window.show();
    QElapsedTimer waited;
    waited.start();
    while (!watch->painted && waited.elapsed() < 5000)
        QCoreApplication::processEvents();
    window.removeEventFilter(watch);
    return watch->painted;
}

} // namespace

class WindowBench : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void open_data();
    void open();
    void compute_data();
    void compute();

private:
    std::unique_ptr<common::WarningRecorder> m_warnings;
};

void WindowBench::initTestCase()
{
    m_warnings = std::make_unique<common::WarningRecorder>();
}

void WindowBench::open_data()
{
    QTest::addColumn<QString>("window");
    for (const WindowKind &kind : kWindows)
        QTest::newRow(kind.name) << QString::fromLatin1(kind.name);
}

void WindowBench::open()
{
    QFETCH(QString, window);
    const Maker makeWindow = makerOf(window);
    // Each window is closed again before the next one opens, as the modal
    // windows are in use; windows left open would be deactivated and
    // repainted at every later opening. So the figure includes closing.
    QBENCHMARK {
        const std::unique_ptr<QWidget> opened = makeWindow();
        QVERIFY(showAndPaint(*opened));
    }
}

void WindowBench::compute_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("pressed");   // a button, or the swatch of Form7
    QTest::addColumn<QString>("result");    // a field, or empty for the clipboard
    QTest::addColumn<QString>("emptyFirst"); // a field to empty before each press

    const QStringList amplifier{"Text1=12", "Text2=6", "Text3=0,7", "Text4=2", "Text5=20"};
    QTest::newRow("Form1, 12 V, 2 mA, 20 µA") << "Form1" << amplifier << "Command1" << "Text8" << "";
    QTest::newRow("Form5, 12 V, 2 mA, 20 µA, 470 Ohm")
        << "Form5" << amplifier + QStringList{"Text7=470"} << "Command1" << "Text8" << "";
    // Form6 locks its button after a result until a field changes: empty
    // the result field before each press.
    QTest::newRow("Form6, 12 V, 2,2 kOhm")
        << "Form6" << QStringList{"Combo3=kOhm", "Text1=12", "Text3=2,2"} << "Command1" << "Text2" << "Text2";
    QTest::newRow("Form7, click on the white swatch") << "Form7" << QStringList{} << "Label1" << "" << "";
    QTest::newRow("Form8, 100000000 Hz") << "Form8" << QStringList{"Text1=100000000"} << "Command1" << "Text2" << "";
    QTest::newRow("Form8, 2 m") << "Form8" << QStringList{"Text3=2"} << "Command2" << "Text4" << "";
    QTest::newRow("Form9, 10 k Ohm, 20 Hz")
        << "Form9" << QStringList{"Combo1=k Ohm", "Combo2=Hz", "Text1=10", "Text2=20"} << "Command1" << "Text3"
        << "";
    QTest::newRow("Form9, 1 k Ohm, 1 µF")
        << "Form9" << QStringList{"Combo3=k Ohm", QString::fromUtf8("Combo4=µF"), "Text7=1", "Text8=1"}
        << "Command2" << "Text9" << "";
    QTest::newRow("Form10, four rings as opened") << "Form10" << QStringList{} << "Command1" << "Text1" << "";
    QTest::newRow("Form10, five rings as opened") << "Form10" << QStringList{} << "Command2" << "Text5" << "";
    QTest::newRow("converter, 5 kV to V")
        << "converter::Form1" << QStringList{"Combo2=V", "Combo1=k (Kilo)", "Combo3=  (ohne)", "Text1=5"}
        << "Command1" << "Text2" << "";
}

void WindowBench::compute()
{
    QFETCH(QString, window);
    QFETCH(QStringList, entries);
    QFETCH(QString, pressed);
    QFETCH(QString, result);
    QFETCH(QString, emptyFirst);

    const std::unique_ptr<QWidget> form = makerOf(window)();
    QVERIFY(showAndPaint(*form));
    const QString failed = testing::doSteps(form.get(), entries);
    QVERIFY2(failed.isEmpty(), qPrintable(failed));
    auto *target = form->findChild<QWidget *>(pressed);
    QVERIFY2(target, qPrintable(QStringLiteral("no ") + pressed));
    auto *shown = result.isEmpty() ? nullptr : form->findChild<QLineEdit *>(result);
    QVERIFY2(result.isEmpty() || shown, qPrintable(QStringLiteral("no ") + result));
    auto *emptied = emptyFirst.isEmpty() ? nullptr : form->findChild<QLineEdit *>(emptyFirst);
    QVERIFY2(emptyFirst.isEmpty() || emptied, qPrintable(QStringLiteral("no ") + emptyFirst));
    // Emptied first, so that a result afterwards proves the presses computed.
    if (shown)
        shown->clear();
    QApplication::clipboard()->clear();

    QBENCHMARK {
        if (emptied)
            emptied->clear();
        QTest::mouseClick(target, Qt::LeftButton);
    }

    QCOMPARE(m_warnings->take(), QStringList());
    const QString text = shown ? shown->text() : QApplication::clipboard()->text();
    QVERIFY2(!text.isEmpty(), "no result");
}

QTEST_MAIN(WindowBench)
#include "tst_windowbench.moc"
