// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "colourchartwindow.h"
#include "useractions.h"

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLabel>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

using testing::child;

namespace {

QLabel *swatch(const QWidget *window, int number)
{
    return child<QLabel>(window, QStringLiteral("Label%1").arg(number));
}

// Puts a picture on the clipboard, as another program might.
void putImageOnClipboard()
{
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::green);
    QGuiApplication::clipboard()->setImage(image);
}

} // namespace

class ColourChartWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void swatches_data();
    void swatches();
    void clickCopiesCode_data();
    void clickCopiesCode();
    void clickReplacesPicture();
    void clickTwiceLeavesOneText();
    void clickElsewhereChangesNothing_data();
    void clickElsewhereChangesNothing();
    void keyboardCopiesCode();
    void hint();
};

void ColourChartWindowTest::swatches_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QPoint>("topLeft"); // twips
    QTest::addColumn<bool>("whiteCaption");

    const int lefts[] = {234, 1521, 2808, 4095, 5382, 6669, 7839};
    const int tops[] = {234, 702, 1170, 1638, 2106, 2574};
    // Codes column by column; the background is the code read blue byte first.
    const struct {
        const char *code;
        QColor rgb;
    } swatches[] = {
        {"&H00FFFFFF&", {255, 255, 255}}, {"&H00E0E0E0&", {224, 224, 224}},
        {"&H00C0C0C0&", {192, 192, 192}}, {"&H00808080&", {128, 128, 128}},
        {"&H00404040&", {64, 64, 64}},    {"&H00000000&", {0, 0, 0}},
        {"&H00C0C0FF&", {255, 192, 192}}, {"&H008080FF&", {255, 128, 128}},
        {"&H000000FF&", {255, 0, 0}},     {"&H000000C0&", {192, 0, 0}},
        {"&H00000080&", {128, 0, 0}},     {"&H00000040&", {64, 0, 0}},
        {"&H00C0E0FF&", {255, 224, 192}}, {"&H0080C0FF&", {255, 192, 128}},
        {"&H000080FF&", {255, 128, 0}},   {"&H000040C0&", {192, 64, 0}},
        {"&H00004080&", {128, 64, 0}},    {"&H00404080&", {128, 64, 64}},
        {"&H00C0FFFF&", {255, 255, 192}}, {"&H0080FFFF&", {255, 255, 128}},
        {"&H0000FFFF&", {255, 255, 0}},   {"&H0000C0C0&", {192, 192, 0}},
        {"&H00008080&", {128, 128, 0}},   {"&H00004040&", {64, 64, 0}},
        {"&H00C0FFC0&", {192, 255, 192}}, {"&H0080FF80&", {128, 255, 128}},
        {"&H0000FF00&", {0, 255, 0}},     {"&H0000C000&", {0, 192, 0}},
        {"&H00008000&", {0, 128, 0}},     {"&H00004000&", {0, 64, 0}},
        {"&H00FFC0C0&", {192, 192, 255}}, {"&H00FF8080&", {128, 128, 255}},
        {"&H00FF0000&", {0, 0, 255}},     {"&H00C00000&", {0, 0, 192}},
        {"&H00800000&", {0, 0, 128}},     {"&H00400000&", {0, 0, 64}},
        {"&H00FFC0FF&", {255, 192, 255}}, {"&H00FF80FF&", {255, 128, 255}},
        {"&H00FF00FF&", {255, 0, 255}},   {"&H00C000C0&", {192, 0, 192}},
        {"&H00800080&", {128, 0, 128}},   {"&H00400040&", {64, 0, 64}},
    };
    for (int i = 0; i < 42; ++i) {
        const int row = i % 6;
        QTest::addRow("Label%d %s", i + 1, swatches[i].code)
            << i + 1 << QString::fromLatin1(swatches[i].code) << swatches[i].rgb
            << QPoint(lefts[i / 6], tops[row]) << (row >= 4);
    }
}

// Each swatch where the grid puts it, filled with its code's colour, its
// code readable in full with its "&" signs.
void ColourChartWindowTest::swatches()
{
    QFETCH(int, number);
    QFETCH(QString, code);
    QFETCH(QColor, background);
    QFETCH(QPoint, topLeft);
    QFETCH(bool, whiteCaption);

    const auto window = testing::openWindow<Form7>();
    QLabel *label = swatch(window.get(), number);
    QVERIFY(label);
    QCOMPARE(label->text(), code);
    QCOMPARE(label->textFormat(), Qt::PlainText);
    QVERIFY(label->alignment() & Qt::AlignHCenter);
    QCOMPARE(label->geometry(), QRect(qRound(topLeft.x() / 15.0), qRound(topLeft.y() / 15.0), 71, 24));

    const QImage image = label->grab().toImage();
    QCOMPARE(image.pixelColor(3, 3), background);
    QCOMPARE(image.pixelColor(0, 0), QColor(Qt::black));
    QCOMPARE(label->palette().color(QPalette::WindowText), whiteCaption ? QColor(Qt::white) : QColor(Qt::black));
    QVERIFY(label->fontMetrics().horizontalAdvance(code) <= label->contentsRect().width());
}

void ColourChartWindowTest::clickCopiesCode_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("code");

    QTest::newRow("Label1 white") << 1 << u"&H00FFFFFF&"_qs;
    QTest::newRow("Label6 black") << 6 << u"&H00000000&"_qs;
    QTest::newRow("Label9 red") << 9 << u"&H000000FF&"_qs;
    QTest::newRow("Label18 brown") << 18 << u"&H00404080&"_qs;
    QTest::newRow("Label33 blue") << 33 << u"&H00FF0000&"_qs;
    QTest::newRow("Label42 last") << 42 << u"&H00400040&"_qs;
}

void ColourChartWindowTest::clickCopiesCode()
{
    QFETCH(int, number);
    QFETCH(QString, code);

    const auto window = testing::openWindow<Form7>();
    QGuiApplication::clipboard()->setText(u"vorher"_qs);
    testing::click(swatch(window.get(), number));

    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    QVERIFY(data);
    QCOMPARE(data->formats(), QStringList{u"text/plain"_qs});
    QCOMPARE(data->text(), code);
    QCOMPARE(data->text().size(), 11);
}

void ColourChartWindowTest::clickReplacesPicture()
{
    const auto window = testing::openWindow<Form7>();
    putImageOnClipboard();
    QVERIFY(QGuiApplication::clipboard()->mimeData()->hasImage());

    testing::click(swatch(window.get(), 27));
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    QVERIFY(!data->hasImage());
    QCOMPARE(data->formats(), QStringList{u"text/plain"_qs});
    QCOMPARE(data->text(), u"&H0000FF00&"_qs);
}

void ColourChartWindowTest::clickTwiceLeavesOneText()
{
    const auto window = testing::openWindow<Form7>();
    testing::click(swatch(window.get(), 14));
    testing::click(swatch(window.get(), 14));
    QCOMPARE(QGuiApplication::clipboard()->text(), u"&H0080C0FF&"_qs);
}

void ColourChartWindowTest::clickElsewhereChangesNothing_data()
{
    QTest::addColumn<QPoint>("where"); // pixels in the client area

    QTest::newRow("the hint") << QPoint(300, 215);
    QTest::newRow("between swatches") << QPoint(94, 30);
    QTest::newRow("below the last row") << QPoint(50, 199);
    QTest::newRow("right of the last column") << QPoint(620, 100);
}

void ColourChartWindowTest::clickElsewhereChangesNothing()
{
    QFETCH(QPoint, where);

    const auto window = testing::openWindow<Form7>();
    putImageOnClipboard();
    QSignalSpy changes(QGuiApplication::clipboard(), &QClipboard::dataChanged);
    QWidget *target = window->client()->childAt(where);
    QTest::mouseClick(target ? target : window->client(), Qt::LeftButton, {},
                      target ? target->mapFrom(window->client(), where) : where);
    QCOMPARE(changes.count(), 0);
    QVERIFY(QGuiApplication::clipboard()->mimeData()->hasImage());
}

// With nothing focused at opening, Tab reaches the first swatch and Space
// copies its code.
void ColourChartWindowTest::keyboardCopiesCode()
{
    const auto window = testing::openWindow<Form7>();
    QVERIFY(!qobject_cast<QLabel *>(QApplication::focusWidget()));
    QTest::keyClick(window.get(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), swatch(window.get(), 1));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), swatch(window.get(), 2));
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(QGuiApplication::clipboard()->text(), u"&H00E0E0E0&"_qs);
}

void ColourChartWindowTest::hint()
{
    const auto window = testing::openWindow<Form7>();
    const QLabel *label = child<QLabel>(window.get(), u"Label43"_qs);
    QVERIFY(label);
    QCOMPARE(label->text(), u"durch Anklicken Farbcode in Zwischenablage"_qs);
    QCOMPARE(label->geometry(), QRect(16, 203, 578, 24));
    QCOMPARE(label->focusPolicy(), Qt::NoFocus);
}

QTEST_MAIN(ColourChartWindowTest)
#include "tst_colourchartwindow.moc"
