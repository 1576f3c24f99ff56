// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "resistorcodewindow.h"
#include "useractions.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using testing::child;

namespace {

const QStringList kFirstDigits{u"braun"_qs, u"rot"_qs, u"orange"_qs, u"gelb"_qs, u"grün"_qs,
                               u"blau"_qs, u"violett"_qs, u"grau"_qs, u"weiß"_qs};
const QStringList kDigits = QStringList{u"schwarz"_qs} + kFirstDigits;
const QStringList kMultipliers = QStringList{u"silber"_qs, u"gold"_qs} + kDigits;
const QStringList kTolerances{u"keine"_qs, u"silber"_qs, u"gold"_qs, u"braun"_qs, u"rot"_qs,
                              u"grün"_qs, u"blau"_qs, u"violett"_qs, u"grau"_qs};

// Selectors in ring order, ring 1 first.
const QStringList kFourRingSelectors{u"Combo1"_qs, u"Combo2"_qs, u"Combo3"_qs, u"Combo4"_qs};
const QStringList kFiveRingSelectors{u"Combo9"_qs, u"Combo8"_qs, u"Combo7"_qs, u"Combo6"_qs,
                                     u"Combo5"_qs};
const QStringList kFourRingResults{u"Text1"_qs, u"Text2"_qs, u"Text3"_qs, u"Text4"_qs};
const QStringList kFiveRingResults{u"Text5"_qs, u"Text6"_qs, u"Text7"_qs, u"Text8"_qs};

void pressBothButtons(const QWidget *window)
{
    testing::click(child<QPushButton>(window, u"Command1"_qs));
    testing::click(child<QPushButton>(window, u"Command2"_qs));
}

QColor pixelAt(const QImage &image, int xTwips, int yTwips)
{
    return image.pixelColor(xTwips / 15, yTwips / 15);
}

} // namespace

class ResistorCodeWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void selectorsAtOpening_data();
    void selectorsAtOpening();
    void ringLabels_data();
    void ringLabels();
    void calculates_data();
    void calculates();
    void writesToleranceFirst_data();
    void writesToleranceFirst();
    void pickEmptiesOwnResultsOnly_data();
    void pickEmptiesOwnResultsOnly();
    void keyboardPickEmptiesResults();
    void resultsCannotBeTyped();
    void drawing_data();
    void drawing();
    void drawingIgnoresSelections();
    void focusOrder();
};

void ResistorCodeWindowTest::selectorsAtOpening_data()
{
    QTest::addColumn<QString>("selector");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("selected");

    QTest::newRow("four rings, ring 1") << u"Combo1"_qs << kFirstDigits << u"braun"_qs;
    QTest::newRow("four rings, ring 2") << u"Combo2"_qs << kDigits << u"schwarz"_qs;
    QTest::newRow("four rings, multiplier") << u"Combo3"_qs << kMultipliers << u"silber"_qs;
    QTest::newRow("four rings, tolerance") << u"Combo4"_qs << kTolerances << u"keine"_qs;
    QTest::newRow("five rings, tolerance") << u"Combo5"_qs << kTolerances << u"silber"_qs;
    QTest::newRow("five rings, multiplier") << u"Combo6"_qs << kMultipliers << u"schwarz"_qs;
    QTest::newRow("five rings, ring 3") << u"Combo7"_qs << kDigits << u"schwarz"_qs;
    QTest::newRow("five rings, ring 2") << u"Combo8"_qs << kDigits << u"schwarz"_qs;
    QTest::newRow("five rings, ring 1") << u"Combo9"_qs << kFirstDigits << u"braun"_qs;
}

void ResistorCodeWindowTest::selectorsAtOpening()
{
    QFETCH(QString, selector);
    QFETCH(QStringList, items);
    QFETCH(QString, selected);

    const auto window = testing::openWindow<Form10>();
    const QComboBox *combo = child<QComboBox>(window.get(), selector);
    QVERIFY(combo);
    QVERIFY(!combo->isEditable());
    QCOMPARE(combo->height(), 21); // 315 twips, whatever the font
    QStringList shown;
    for (int i = 0; i < combo->count(); ++i)
        shown << combo->itemText(i);
    QCOMPARE(shown, items);
    QCOMPARE(combo->currentText(), selected);
    for (const QString &field : kFourRingResults + kFiveRingResults)
        QVERIFY2(child<QLineEdit>(window.get(), field)->text().isEmpty(), qPrintable(field));
}

void ResistorCodeWindowTest::ringLabels_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("selector");

    QTest::newRow("four rings, ring 1") << u"Label1_0"_qs << u" 1. Ring für 1. Ziffer"_qs << u"Combo1"_qs;
    QTest::newRow("four rings, ring 2") << u"Label2_0"_qs << u" 2. Ring 2. Ziffer"_qs << u"Combo2"_qs;
    QTest::newRow("four rings, ring 3") << u"Label3_0"_qs << u" 3. Ring Multiplikator"_qs << u"Combo3"_qs;
    QTest::newRow("four rings, ring 4") << u"Label4_0"_qs << u" 4. Ring Toleranz"_qs << u"Combo4"_qs;
    QTest::newRow("five rings, ring 1") << u"Label1_1"_qs << u" 1. Ring für 1. Ziffer"_qs << u"Combo9"_qs;
    QTest::newRow("five rings, ring 2") << u"Label2_1"_qs << u" 2. Ring 2. Ziffer"_qs << u"Combo8"_qs;
    QTest::newRow("five rings, ring 3") << u"Label4_1"_qs << u" 3. Ring 3. Ziffer"_qs << u"Combo7"_qs;
    QTest::newRow("five rings, ring 4") << u"Label3_1"_qs << u" 4. Ring Multiplikator"_qs << u"Combo6"_qs;
    QTest::newRow("five rings, ring 5") << u"Label4_2"_qs << u" 5. Ring Toleranz"_qs << u"Combo5"_qs;
}

// Each ring label names its selector and stands on the ring labels' colour.
void ResistorCodeWindowTest::ringLabels()
{
    QFETCH(QString, label);
    QFETCH(QString, caption);
    QFETCH(QString, selector);

    const auto window = testing::openWindow<Form10>();
    QLabel *ringLabel = child<QLabel>(window.get(), label);
    QVERIFY(ringLabel);
    QCOMPARE(ringLabel->text(), caption);
    const QImage image = ringLabel->grab().toImage();
    QCOMPARE(image.pixelColor(image.width() - 2, 1), QColor(192, 255, 255));
    QCOMPARE(child<QComboBox>(window.get(), selector)->accessibleName(), caption.trimmed());
}

void ResistorCodeWindowTest::calculates_data()
{
    QTest::addColumn<bool>("fiveRings");
    QTest::addColumn<QStringList>("rings"); // ring order; empty: as opened
    QTest::addColumn<QStringList>("results"); // Ohm, k Ohm, M Ohm, tolerance

    QTest::newRow("four rings as opened")
        << false << QStringList{} << QStringList{u"0,1"_qs, u"0,00"_qs, u"0,00"_qs, u"20"_qs};
    QTest::newRow("five rings as opened")
        << true << QStringList{} << QStringList{u"100,0"_qs, u"0,10"_qs, u"0,00"_qs, u"10"_qs};
    QTest::newRow("4,7 k Ohm, 5 %")
        << false << QStringList{u"gelb"_qs, u"violett"_qs, u"rot"_qs, u"gold"_qs}
        << QStringList{u"4.700,0"_qs, u"4,70"_qs, u"0,00"_qs, u"5"_qs};
    QTest::newRow("0,47 Ohm, 1 %")
        << false << QStringList{u"gelb"_qs, u"violett"_qs, u"silber"_qs, u"braun"_qs}
        << QStringList{u"0,5"_qs, u"0,00"_qs, u"0,00"_qs, u"1"_qs};
    QTest::newRow("1 k Ohm, five rings, 1 %")
        << true << QStringList{u"braun"_qs, u"schwarz"_qs, u"schwarz"_qs, u"braun"_qs, u"braun"_qs}
        << QStringList{u"1.000,0"_qs, u"1,00"_qs, u"0,00"_qs, u"1"_qs};
    QTest::newRow("largest four-ring value")
        << false << QStringList{u"weiß"_qs, u"weiß"_qs, u"weiß"_qs, u"grau"_qs}
        << QStringList{u"99.000.000.000,0"_qs, u"99.000.000,00"_qs, u"99.000,00"_qs, u"0,05"_qs};
    QTest::newRow("47,5 k Ohm, five rings, 0,25 %")
        << true << QStringList{u"gelb"_qs, u"violett"_qs, u"grün"_qs, u"rot"_qs, u"blau"_qs}
        << QStringList{u"47.500,0"_qs, u"47,50"_qs, u"0,05"_qs, u"0,25"_qs};
    QTest::newRow("five rings without tolerance ring")
        << true << QStringList{u"rot"_qs, u"rot"_qs, u"schwarz"_qs, u"gold"_qs, u"keine"_qs}
        << QStringList{u"22,0"_qs, u"0,02"_qs, u"0,00"_qs, u"20"_qs};
}

// Picks the rings with the mouse and presses the calculator's "Berechne";
// the other calculator's results stay empty.
void ResistorCodeWindowTest::calculates()
{
    QFETCH(bool, fiveRings);
    QFETCH(QStringList, rings);
    QFETCH(QStringList, results);

    const auto window = testing::openWindow<Form10>();
    const QStringList &selectors = fiveRings ? kFiveRingSelectors : kFourRingSelectors;
    for (int i = 0; i < rings.size(); ++i)
        QVERIFY(testing::pick(child<QComboBox>(window.get(), selectors[i]), rings[i]));
    testing::click(child<QPushButton>(window.get(), fiveRings ? u"Command2"_qs : u"Command1"_qs));

    QCOMPARE(testing::texts(window.get(), fiveRings ? kFiveRingResults : kFourRingResults), results);
    QCOMPARE(testing::texts(window.get(), fiveRings ? kFourRingResults : kFiveRingResults),
             QStringList(4, QString()));
}

void ResistorCodeWindowTest::writesToleranceFirst_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("order");

    QTest::newRow("four rings") << u"Command1"_qs
                                << QStringList{u"Text4"_qs, u"Text1"_qs, u"Text2"_qs, u"Text3"_qs};
    QTest::newRow("five rings") << u"Command2"_qs
                                << QStringList{u"Text8"_qs, u"Text5"_qs, u"Text6"_qs, u"Text7"_qs};
}

void ResistorCodeWindowTest::writesToleranceFirst()
{
    QFETCH(QString, button);
    QFETCH(QStringList, order);

    const auto window = testing::openWindow<Form10>();
    QStringList written;
    for (const QString &name : kFourRingResults + kFiveRingResults) {
        QLineEdit *field = child<QLineEdit>(window.get(), name);
        connect(field, &QLineEdit::textChanged, this, [&written, name] { written << name; });
    }
    testing::click(child<QPushButton>(window.get(), button));
    QCOMPARE(written, order);
}

void ResistorCodeWindowTest::pickEmptiesOwnResultsOnly_data()
{
    QTest::addColumn<QString>("selector");
    QTest::addColumn<QString>("item");
    QTest::addColumn<bool>("fiveRings");

    QTest::newRow("Combo1, another item") << u"Combo1"_qs << u"rot"_qs << false;
    QTest::newRow("Combo1, the item shown") << u"Combo1"_qs << u"braun"_qs << false;
    QTest::newRow("Combo2") << u"Combo2"_qs << u"weiß"_qs << false;
    QTest::newRow("Combo3") << u"Combo3"_qs << u"gold"_qs << false;
    QTest::newRow("Combo4") << u"Combo4"_qs << u"grau"_qs << false;
    QTest::newRow("Combo5") << u"Combo5"_qs << u"keine"_qs << true;
    QTest::newRow("Combo6") << u"Combo6"_qs << u"silber"_qs << true;
    QTest::newRow("Combo7") << u"Combo7"_qs << u"grün"_qs << true;
    QTest::newRow("Combo8") << u"Combo8"_qs << u"orange"_qs << true;
    QTest::newRow("Combo9, the item shown") << u"Combo9"_qs << u"braun"_qs << true;
}

void ResistorCodeWindowTest::pickEmptiesOwnResultsOnly()
{
    QFETCH(QString, selector);
    QFETCH(QString, item);
    QFETCH(bool, fiveRings);

    const auto window = testing::openWindow<Form10>();
    pressBothButtons(window.get());
    const QStringList own = fiveRings ? kFiveRingResults : kFourRingResults;
    const QStringList other = fiveRings ? kFourRingResults : kFiveRingResults;
    const QStringList otherBefore = testing::texts(window.get(), other);
    QVERIFY(!otherBefore.contains(QString()));

    QVERIFY(testing::pick(child<QComboBox>(window.get(), selector), item));
    QCOMPARE(testing::texts(window.get(), own), QStringList(4, QString()));
    QCOMPARE(testing::texts(window.get(), other), otherBefore);
}

void ResistorCodeWindowTest::keyboardPickEmptiesResults()
{
    const auto window = testing::openWindow<Form10>();
    pressBothButtons(window.get());
    QComboBox *combo = child<QComboBox>(window.get(), u"Combo7"_qs);
    combo->setFocus(Qt::TabFocusReason);
    QTest::keyClick(combo, Qt::Key_Down);
    QCOMPARE(combo->currentText(), u"braun"_qs);
    QCOMPARE(testing::texts(window.get(), kFiveRingResults), QStringList(4, QString()));
    QVERIFY(!testing::texts(window.get(), kFourRingResults).contains(QString()));
}

void ResistorCodeWindowTest::resultsCannotBeTyped()
{
    const auto window = testing::openWindow<Form10>();
    pressBothButtons(window.get());
    for (const QString &name : kFourRingResults + kFiveRingResults) {
        QLineEdit *field = child<QLineEdit>(window.get(), name);
        const QString before = field->text();
        testing::typeAppend(field, u"12"_qs);
        QTest::keyClick(field, Qt::Key_Backspace);
        QCOMPARE(field->text(), before);
    }
}

void ResistorCodeWindowTest::drawing_data()
{
    QTest::addColumn<int>("x"); // twips in the client area
    QTest::addColumn<int>("y");
    QTest::addColumn<QColor>("colour");

    const QColor black(0, 0, 0);
    const QColor body(192, 255, 192);
    QTest::newRow("four rings: body") << 1200 << 1080 << body;
    QTest::newRow("four rings: left lead") << 600 << 1200 << black;
    QTest::newRow("four rings: right lead") << 3500 << 1200 << black;
    QTest::newRow("four rings: band 1") << 1320 << 1200 << QColor(255, 0, 255);
    QTest::newRow("four rings: band 2") << 1560 << 1200 << QColor(255, 0, 0);
    QTest::newRow("four rings: band 4") << 2040 << 1200 << QColor(255, 255, 255);
    QTest::newRow("four rings: leader 1 down") << 1320 << 2400 << black;
    QTest::newRow("four rings: leader 1 across") << 1440 << 3120 << black;
    QTest::newRow("four rings: beside the drawing") << 600 << 2400 << QColor(255, 224, 192);
    QTest::newRow("five rings: body") << 8700 << 1080 << body;
    QTest::newRow("five rings: band 1") << 7440 << 1200 << QColor(255, 0, 255);
    QTest::newRow("five rings: band 3") << 7920 << 1200 << QColor(255, 255, 128);
    QTest::newRow("five rings: band 4") << 8160 << 1200 << QColor(255, 0, 0);
    QTest::newRow("five rings: band 5") << 8400 << 1200 << QColor(255, 255, 255);
    QTest::newRow("five rings: leader 5 down") << 8400 << 1740 << black;
    QTest::newRow("five rings: leader 5 across") << 8460 << 1800 << black;
}

void ResistorCodeWindowTest::drawing()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(QColor, colour);

    const auto window = testing::openWindow<Form10>();
    const QImage image = window->client()->grab().toImage();
    QCOMPARE(pixelAt(image, x, y), colour);
}

void ResistorCodeWindowTest::drawingIgnoresSelections()
{
    const auto window = testing::openWindow<Form10>();
    const QRect drawings(0, 0, window->client()->width(), 1740 / 15);
    const QImage before = window->client()->grab(drawings).toImage();
    const QStringList colours{u"gelb"_qs, u"grün"_qs, u"grau"_qs, u"gold"_qs, u"blau"_qs};
    for (int i = 0; i < kFourRingSelectors.size(); ++i)
        QVERIFY(testing::pick(child<QComboBox>(window.get(), kFourRingSelectors[i]), colours[i]));
    for (int i = 0; i < kFiveRingSelectors.size(); ++i)
        QVERIFY(testing::pick(child<QComboBox>(window.get(), kFiveRingSelectors[i]), colours[i]));
    pressBothButtons(window.get());
    QCOMPARE(window->client()->grab(drawings).toImage(), before);
}

void ResistorCodeWindowTest::focusOrder()
{
    const QStringList order{u"Combo1"_qs, u"Combo2"_qs, u"Combo3"_qs, u"Combo4"_qs, u"Command1"_qs,
                            u"Text1"_qs, u"Text2"_qs, u"Text3"_qs, u"Text4"_qs, u"Combo5"_qs,
                            u"Combo6"_qs, u"Combo7"_qs, u"Combo8"_qs, u"Combo9"_qs, u"Command2"_qs,
                            u"Text5"_qs, u"Text6"_qs, u"Text7"_qs, u"Text8"_qs, u"Combo1"_qs};
    const auto window = testing::openWindow<Form10>();
    QCOMPARE(testing::tabOrder(int(order.size()) - 1), order);
}

QTEST_MAIN(ResistorCodeWindowTest)
#include "tst_resistorcodewindow.moc"
