// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "aboutbox.h"
#include "help.h"
#include "helpexamples.h"
#include "picture.h"
#include "useractions.h"
#include "windowrows.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QMovie>
#include <QPointer>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScopeGuard>
#include <QStyle>
#include <QStyleHints>
#include <QTest>
#include <QTextBrowser>


// Checks that hold for every window of both programs: every caption is
// fully visible in its control, every field, selector, caption-less button
// and picture has a name for screen readers, and so has everything the
// keyboard focus reaches, as the accessibility interface reports it. The
// windows look as drawn whatever colours and font the desktop sets, while
// menu bars and warning boxes follow the desktop. F1 opens each window's
// help, and its window gives the results of the page's worked examples.
class AllWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void captionsFit_data();
    void captionsFit();
    void accessibleNames_data();
    void accessibleNames();
    void focusChainNamed_data();
    void focusChainNamed();
    void designedLook_data();
    void designedLook();
    void warningBoxFollowsDesktop();
    void helpBesideWindow_data();
    void helpBesideWindow();
};

namespace {

// The widest line of a caption in the control's font.
int textWidth(const QWidget *widget, const QString &text)
{
    int widest = 0;
    for (const QString &line : text.split(u'\n'))
        widest = std::max(widest, widget->fontMetrics().horizontalAdvance(line));
    return widest;
}

QString overflow(const QWidget *widget)
{
    if (!widget->isVisibleTo(widget->window()))
        return {};
    if (const auto *label = qobject_cast<const QLabel *>(widget)) {
        if (label->text().isEmpty() || label->pixmap().cacheKey() != 0 || label->movie())
            return {};
        const QRect room = label->contentsRect();
        if (label->wordWrap()) {
            const QRect needed = label->fontMetrics().boundingRect(room, Qt::TextWordWrap | int(label->alignment()),
                                                                    label->text());
            if (needed.height() > room.height() || needed.width() > room.width())
                return QStringLiteral("%1 needs %2 x %3, has %4 x %5")
                    .arg(label->text())
                    .arg(needed.width())
                    .arg(needed.height())
                    .arg(room.width())
                    .arg(room.height());
            return {};
        }
        const int width = textWidth(label, label->text());
        if (width > room.width())
            return QStringLiteral("%1 needs %2 px, has %3").arg(label->text()).arg(width).arg(room.width());
        return {};
    }
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget)) {
        if (button->text().isEmpty())
            return {};
        int needed = textWidth(button, button->text());
        if (qobject_cast<const QCheckBox *>(button) || qobject_cast<const QRadioButton *>(button))
            needed = button->sizeHint().width();
        if (needed > button->width())
            return QStringLiteral("%1 needs %2 px, has %3").arg(button->text()).arg(needed).arg(button->width());
    }
    return {};
}

// A style as a desktop's theme may bring: Fusion's drawing, the desktop's
// colours as its standard colours.
class DesktopColouredStyle : public QProxyStyle
{
public:
    DesktopColouredStyle() : QProxyStyle(QStringLiteral("Fusion")) {}
    QPalette standardPalette() const override { return QApplication::palette(); }
};

// Sets the application palette and font as a platform theme does for a
// desktop with a dark colour scheme and a 12-point font, and when given an
// application style sheet and such a style, until destroyed.
class DarkDesktop
{
public:
    explicit DarkDesktop(const QString &styleSheet = {}, bool desktopColouredStyle = false)
        : m_style(desktopColouredStyle)
    {
        if (desktopColouredStyle)
            QApplication::setStyle(new DesktopColouredStyle);
        const QColor window(0x2a, 0x2a, 0x2a);
        const QColor base(0x1e, 0x1e, 0x1e);
        QPalette dark(Qt::white, window, window.lighter(), window.darker(), window.darker(150), Qt::white,
                      Qt::white, base, window);
        dark.setColor(QPalette::Highlight, QColor(0x30, 0x60, 0xa0));
        QApplication::setPalette(dark);
        // As a platform theme reads it from its settings, every property set.
        QFont font;
        font.fromString(QStringLiteral("DejaVu Sans,12,-1,5,400,0,0,0,0,0,0,0,0,0,0,1"));
        QApplication::setFont(font);
        qApp->setStyleSheet(styleSheet);
        QCoreApplication::processEvents();
    }
    ~DarkDesktop()
    {
        qApp->setStyleSheet({});
        if (m_style)
            QApplication::setStyle(QStringLiteral("Fusion"));
        QApplication::setPalette(m_palette);
        QApplication::setFont(m_font);
    }
    DarkDesktop(const DarkDesktop &) = delete;
    DarkDesktop &operator=(const DarkDesktop &) = delete;

private:
    const QPalette m_palette = QApplication::palette();
    const QFont m_font = QApplication::font();
    const bool m_style;
};

// The help window, taken from its calculator, and the about box.
void addHelpAndAboutRows()
{
    QTest::newRow("Hilfe") << testing::WindowFactory([] {
        Form6 owner;
        common::showHelp(&owner);
        auto *help = owner.findChild<QTextBrowser *>(QStringLiteral("Hilfe"));
        help->setParent(nullptr, help->windowFlags());
        return std::unique_ptr<QWidget>(help);
    });
    QTest::newRow("Über Elektronik") << testing::WindowFactory([] { return std::make_unique<AboutBox>(nullptr); });
}

// Shows the window, active as one just opened, and returns its client area
// as drawn, with any animation at its first frame.
QImage clientLook(QWidget &window)
{
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        return {};
    for (QMovie *movie : window.findChildren<QMovie *>()) {
        movie->setPaused(true);
        movie->jumpToFrame(0);
    }
    return window.findChild<QWidget *>(QStringLiteral("client"))->grab().toImage();
}

} // namespace

void AllWindowsTest::captionsFit_data()
{
    testing::addWindowRows(true);
}

void AllWindowsTest::captionsFit()
{
    QFETCH(testing::WindowFactory, factory);
    const std::unique_ptr<QWidget> window = factory();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QStringList problems;
    for (const QWidget *widget : window->findChildren<QWidget *>()) {
        const QString problem = overflow(widget);
        if (!problem.isEmpty())
            problems << widget->objectName() + QStringLiteral(": ") + problem;
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));
}

void AllWindowsTest::accessibleNames_data()
{
    testing::addWindowRows(true);
    addHelpAndAboutRows();
}

void AllWindowsTest::accessibleNames()
{
    QFETCH(testing::WindowFactory, factory);
    const std::unique_ptr<QWidget> window = factory();
    QStringList unnamed;
    for (const QWidget *widget : window->findChildren<QWidget *>()) {
        if (widget->focusPolicy() == Qt::NoFocus && !qobject_cast<const common::Picture *>(widget))
            continue;
        const bool needsName = qobject_cast<const QLineEdit *>(widget) != nullptr
            || (qobject_cast<const QComboBox *>(widget) != nullptr)
            || qobject_cast<const common::Picture *>(widget) != nullptr
            || (qobject_cast<const QAbstractButton *>(widget) != nullptr
                && static_cast<const QAbstractButton *>(widget)->text().isEmpty());
        // The line edit inside an editable drop-down is named through its box.
        if (qobject_cast<const QComboBox *>(widget->parentWidget()))
            continue;
        if (needsName && widget->accessibleName().isEmpty())
            unnamed << widget->objectName();
    }
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
}

void AllWindowsTest::focusChainNamed_data()
{
    testing::addWindowRows(true);
    addHelpAndAboutRows();
}

void AllWindowsTest::focusChainNamed()
{
    QFETCH(testing::WindowFactory, factory);
    const std::unique_ptr<QWidget> window = factory();
    QStringList unnamed;
    QWidget *widget = window.get();
    // Also the parts inside composite controls, such as the typed part of an
    // editable drop-down, which screen readers announce on their own.
    while ((widget = widget->nextInFocusChain()) != window.get()) {
        if (!(widget->focusPolicy() & Qt::TabFocus) || !widget->isVisibleTo(window.get()))
            continue;
        const QAccessibleInterface *control = QAccessible::queryAccessibleInterface(widget);
        if (!control || control->text(QAccessible::Name).isEmpty())
            unnamed << QStringLiteral("%1 (%2) in %3")
                           .arg(widget->objectName(), QString::fromLatin1(widget->metaObject()->className()),
                                widget->parentWidget()->objectName());
    }
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
}

void AllWindowsTest::designedLook_data()
{
    testing::addWindowRows(true);
}

void AllWindowsTest::designedLook()
{
    QFETCH(testing::WindowFactory, factory);
    // Only the look may differ between the pictures: the caret stays on.
    QStyleHints *hints = QGuiApplication::styleHints();
    const auto restore = qScopeGuard([hints, time = hints->cursorFlashTime()] { hints->setCursorFlashTime(time); });
    hints->setCursorFlashTime(0);
    const std::unique_ptr<QWidget> window = factory();
    const QImage designed = clientLook(*window);
    QVERIFY(!designed.isNull());
    QMenuBar *bar = window->findChild<QMenuBar *>();
    const QImage desktopBar = bar ? bar->grab().toImage() : QImage();

    // A sheet that styles nothing of the windows still makes Qt hand every
    // widget the application's palette instead of its parent's.
    for (const auto &[desktop, styleSheet, style] :
         {std::tuple{"dark colours", QString(), false},
          {"tooltip style sheet", QStringLiteral("QToolTip { color: red; }"), false},
          {"style with the desktop's colours", QString(), true}}) {
        const DarkDesktop dark(styleSheet, style);
        QVERIFY2(clientLook(*window) == designed, desktop);
        if (bar)
            QVERIFY2(bar->grab().toImage() != desktopBar, "the menu bar keeps the desktop's look");
        const std::unique_ptr<QWidget> opened = factory();
        QVERIFY2(clientLook(*opened) == designed,
                 qPrintable(QStringLiteral("%1, opened on it").arg(QLatin1String(desktop))));
    }
}

void AllWindowsTest::warningBoxFollowsDesktop()
{
    const DarkDesktop dark;
    // Over a designed window, as the calculators show it.
    Form6 window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QColor text;
    QColor background;
    const QString fault = testing::answerWarning(
        [&](const QMessageBox *box) {
            const auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
            text = label ? label->palette().color(label->foregroundRole()) : QColor();
            background = box->palette().color(box->backgroundRole());
        },
        &window);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    QCOMPARE(background, QApplication::palette().color(QPalette::Window));
    QVERIFY2(text.isValid() && std::abs(text.lightness() - background.lightness()) >= 128,
             qPrintable(QStringLiteral("%1 on %2").arg(text.name(), background.name())));
}

void AllWindowsTest::helpBesideWindow_data()
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
    QTest::newRow("Spannungsteiler") << testing::makeWindow<Form12>() << "spannungsteiler.html" << true;
    QTest::newRow("LED-Vorwiderstand") << testing::makeWindow<Form13>() << "led-vorwiderstand.html" << true;
}

// F1 in a modal window, as the main window opens its calculators, opens its
// page unblocked, a second F1 no second one; each example is entered in a
// fresh window beside its help, which closes with the window.
void AllWindowsTest::helpBesideWindow()
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
        // On the screen, beside the window or else on its roomier side, over as little of it as can be.
        const QRect room = window->screen()->availableGeometry();
        const QRect beside = window->frameGeometry();
        const QRect placed = help->frameGeometry();
        const int roomier = std::max(beside.left() - room.left(), room.right() - beside.right());
        QVERIFY(room.contains(placed));
        QCOMPARE((placed & beside).width(), std::max(0, placed.width() - roomier));

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

QTEST_MAIN(AllWindowsTest)
#include "tst_allwindows.moc"
