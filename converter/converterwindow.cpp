// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "converterwindow.h"

#include "colours.h"
#include "entryfield.h"
#include "help.h"
#include "numbers.h"
#include "prefixes.h"
#include "resultfield.h"
#include "unitfield.h"
#include "warning.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <array>

namespace converter {

namespace {

constexpr quint32 kBackground = 0xFFFF00;          // RGB 0, 255, 255
constexpr quint32 kUnitLabelBackground = 0x80FFFF; // RGB 255, 255, 128

struct Caption {
    QStringView name;
    QStringView text;
};

constexpr std::array<Caption, 10> kLabels{{
    {u"Label10", u"Freeware, Weitergabe erlaubt"},
    {u"Label3", u"Vorsatz - Umrechnung"},
    {u"Label4", u"von"},
    {u"Label1", u"Ausgangswert:"},
    {u"Label7", u"Maßeinheit"},
    {u"Label6", u"Vorsatz"},
    {u"Label8", u""},
    {u"Label5", u"nach"},
    {u"Label2", u"Endwert:"},
    {u"Label9", u""},
}};

struct FontRow {
    QStringView name;
    common::Typeface typeface;
    double points;
    bool bold;
};

// Controls not listed keep the programs' default font.
constexpr std::array<FontRow, 14> kFonts{{
    {u"Label3", common::Typeface::SansSerif, 12.0, true},
    {u"Label4", common::Typeface::SansSerif, 9.75, true},
    {u"Label1", common::Typeface::SansSerif, 8.25, true},
    {u"Label7", common::Typeface::SansSerif, 8.25, true},
    {u"Label6", common::Typeface::SansSerif, 8.25, true},
    {u"Text1", common::Typeface::Arial, 10.5, true},
    {u"Label8", common::Typeface::CourierNew, 9.0, true},
    {u"Combo2", common::Typeface::CourierNew, 9.0, true},
    {u"Combo1", common::Typeface::CourierNew, 9.0, true},
    {u"Label5", common::Typeface::SansSerif, 9.75, true},
    {u"Label2", common::Typeface::SansSerif, 8.25, true},
    {u"Text2", common::Typeface::Arial, 10.5, true},
    {u"Label9", common::Typeface::CourierNew, 9.0, true},
    {u"Combo3", common::Typeface::CourierNew, 9.0, true},
}};

constexpr std::array<QStringView, 3> kRedText{u"Label4", u"Label5", u"Text2"};
constexpr std::array<QStringView, 2> kUnitLabels{u"Label8", u"Label9"};

// Twips; a height of 0 lets the drop-downs take their font's height.
constexpr std::array<common::Placement, 21> kLayout{{
    {u"Label10", 117, 117, 2353, 247},
    {u"Label3", 3627, 351, 4225, 364},
    {u"Check1", 9009, 702, 1651, 364},
    {u"Label4", 234, 819, 1066, 364},
    {u"Label1", 117, 1638, 1417, 247},
    {u"Label7", 7254, 1755, 1417, 247},
    {u"Label6", 9477, 1755, 1651, 247},
    {u"Text1", 117, 2106, 4225, 364},
    {u"Label8", 4446, 2106, 1534, 364},
    {u"Combo2", 7254, 2106, 1651, 0},
    {u"Combo1", 9477, 2106, 1651, 0},
    {u"Label5", 234, 2925, 1066, 364},
    {u"Label2", 117, 3627, 1417, 247},
    {u"Option1", 6552, 3627, 2340, 364},
    {u"Option2", 6552, 3978, 2340, 364},
    {u"Text2", 117, 4095, 4225, 364},
    {u"Label9", 4446, 4095, 1534, 364},
    {u"Combo3", 9477, 4095, 1651, 0},
    {u"Command3", 1287, 4563, 1885, 247},
    {u"Command2", 5148, 4914, 1885, 364},
    {u"Command1", 5148, 5382, 1885, 364},
}};

// Already in the list's sorted order; nothing is ever added to it.
constexpr std::array<QStringView, 10> kUnits{
    u"A", u"F", u"g", u"Liter", u"m", u"Ohm", u"p", u"T", u"V", u"W",
};

constexpr QStringView kStorageUnit = u"Byte od. Bit";

template <typename Row, std::size_t N>
QStringList itemsOf(const std::array<Row, N> &table)
{
    QStringList items;
    for (const Row &row : table)
        items += row.item.toString();
    return items;
}

QStringList unitList()
{
    QStringList units;
    for (const QStringView unit : kUnits)
        units += unit.toString();
    return units;
}

// Refills a prefix list. QComboBox selects the first item added to an empty
// list; the lists start with nothing selected.
void fillPrefixes(QComboBox *list, const QStringList &items)
{
    list->clear();
    list->addItems(items);
    list->setCurrentIndex(-1);
}

} // namespace

Form1::Form1()
    : common::Form(QStringLiteral("Form1"), QStringLiteral("Umrechnung"), 11445, 5895, kBackground)
{
    common::setHelpPage(this, QStringLiteral("einheiten.html"));
    setWindowIcon(icon());
    QWidget *area = client();

    for (const Caption &caption : kLabels)
        common::makeLabel(area, caption.name.toString(), caption.text.toString());
    m_label8 = common::child<QLabel>(area, u"Label8");
    m_label9 = common::child<QLabel>(area, u"Label9");

    m_check1 = new QCheckBox(QStringLiteral("Speicher-Einheiten"), area);
    m_check1->setObjectName(QStringLiteral("Check1"));
    m_text1 = new common::EntryField(QStringLiteral("Text1"),
                                     common::EntrySpec{QString(), 30, common::DigitFilter::WithoutBlank, false},
                                     area);
    m_combo2 = new UnitField(QStringLiteral("Combo2"), unitList(), area);
    m_combo1 = common::makeSelector(area, QStringLiteral("Combo1"), {});
    m_option1 = new QRadioButton(QStringLiteral("ohne Formatierung"), area);
    m_option1->setObjectName(QStringLiteral("Option1"));
    m_option2 = new QRadioButton(QStringLiteral("Tausender-Trennzeichen"), area);
    m_option2->setObjectName(QStringLiteral("Option2"));
    m_text2 = new common::ResultField(QStringLiteral("Text2"), area);
    m_combo3 = common::makeSelector(area, QStringLiteral("Combo3"), {});
    m_command3 = common::makeButton(area, QStringLiteral("Command3"), QStringLiteral("in Zwischenablage"));
    m_command2 = common::makeButton(area, QStringLiteral("Command2"), QStringLiteral("Berechne"));
    m_command1 = common::makeButton(area, QStringLiteral("Command1"), QStringLiteral("Berechne"));

    for (const FontRow &row : kFonts)
        common::child<QWidget>(area, row.name)->setFont(common::uiFont(row.typeface, row.points, row.bold));
    for (const QStringView name : kRedText)
        common::setTextColour(common::child<QWidget>(area, name), common::colourFromNumber(common::kRed));
    for (const QStringView name : kUnitLabels)
        common::setBackground(common::child<QWidget>(area, name), kUnitLabelBackground);

    const auto *label1 = common::child<QLabel>(area, u"Label1");
    const auto *label2 = common::child<QLabel>(area, u"Label2");
    const auto *label4 = common::child<QLabel>(area, u"Label4");
    const auto *label5 = common::child<QLabel>(area, u"Label5");
    const auto *label6 = common::child<QLabel>(area, u"Label6");
    common::nameAfter(m_text1, label1);
    common::nameAfter(m_text2, label2);
    common::nameAfter(m_combo2, common::child<QLabel>(area, u"Label7"));
    // One "Vorsatz" heads both prefix lists; "von" and "nach" tell them apart.
    m_combo1->setAccessibleName(label6->text() + u' ' + label4->text());
    m_combo3->setAccessibleName(label6->text() + u' ' + label5->text());

    common::place(area, kLayout);
    common::setFocusOrder(area, {u"Combo2", u"Combo1", u"Combo3", u"Text1", u"Text2", u"Command1",
                                 u"Command2", u"Command3", u"Option1", u"Option2", u"Check1"});

    connect(m_text1, &QLineEdit::textChanged, this, &Form1::Text1_Change);
    connect(m_combo1, &QComboBox::activated, this, &Form1::Combo1_Click);
    connect(m_combo3, &QComboBox::activated, this, &Form1::Combo3_Click);
    // A pick also rewrites the edit text; only typing is a change of the unit.
    connect(m_combo2, &QComboBox::activated, this, &Form1::Combo2_Click);
    connect(m_combo2->lineEdit(), &QLineEdit::textEdited, this, &Form1::Combo2_Change);
    connect(m_command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(m_command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(m_command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(m_option1, &QRadioButton::clicked, this, &Form1::Option1_Click);
    connect(m_option2, &QRadioButton::clicked, this, &Form1::Option2_Click);
    connect(m_check1, &QCheckBox::clicked, this, &Form1::Check1_Click);

    showInitialState();
}

QIcon Form1::icon()
{
    QIcon rulers;
    for (const int size : {16, 32}) {
        QImageReader reader(QStringLiteral(":/converter/%1x%1/apps/einheiten.png").arg(size), "png");
        // Qt reads PNG itself; detecting the format would load every image
        // plugin first.
        reader.setAutoDetectImageFormat(false);
        rulers.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return rulers;
}

void Form1::showInitialState()
{
    m_check1->setChecked(false);
    fillPrefixes(m_combo1, itemsOf(kDecimalPrefixes));
    fillPrefixes(m_combo3, itemsOf(kDecimalPrefixes));
    m_combo2->setLocked(false);
    m_combo2->setCurrentIndex(-1);
    m_combo2->setEditText(QString());
    m_text1->clear();
    m_text2->clear();
    m_label8->clear();
    m_label9->clear();
    m_option1->setChecked(true);
    m_groupedShown = false;
    showStorageMode(false);
    m_combo2->setFocus();
}

void Form1::showStorageMode(bool storage)
{
    m_command1->setVisible(!storage);
    m_command2->setVisible(storage);
}

void Form1::composeUnitLabels()
{
    m_label8->setText(unitLabel(m_combo1->currentText(), m_combo2->currentText()));
    m_label9->setText(unitLabel(m_combo3->currentText(), m_combo2->currentText()));
}

void Form1::Text1_Change()
{
    if (commaCount(m_text1->text()) > 1) {
        common::warning(this, QStringLiteral("zu viele Dezimalzeichen"));
        m_text1->clear();
    }
    m_text2->clear();
}

void Form1::Combo1_Click()
{
    m_label8->setText(unitLabel(m_combo1->currentText(), m_combo2->currentText()));
    m_text2->clear();
}

void Form1::Combo3_Click()
{
    m_label9->setText(unitLabel(m_combo3->currentText(), m_combo2->currentText()));
    m_text2->clear();
}

void Form1::Combo2_Click()
{
    composeUnitLabels();
}

void Form1::Combo2_Change()
{
    composeUnitLabels();
    m_text2->clear();
}

bool Form1::selectionsComplete()
{
    if (common::isBlank(m_text1->text()))
        m_text1->setText(QStringLiteral("0"));
    if (common::isBlank(m_combo1->currentText()) || common::isBlank(m_combo2->currentText())
        || common::isBlank(m_combo3->currentText())) {
        common::warning(this, QStringLiteral("keine Auswahl in Maßeinheiten oder Vorsatz"));
        return false;
    }
    return true;
}

void Form1::calculate(double source, double target)
{
    // The factors change only with a result, so they always belong to one.
    const std::optional<double> result = convertEntry(m_text1->text(), source, target);
    if (!result) {
        common::warning(this, QStringLiteral("falsche Eingabe"));
        return;
    }
    m_sourceFactor = source;
    m_targetFactor = target;
    const QString plain = common::general(*result);
    m_text2->setText(m_option2->isChecked() ? groupedText(plain) : plain);
}

void Form1::Command1_Click()
{
    if (!selectionsComplete())
        return;
    calculate(decimalFactor(m_combo1->currentText(), m_sourceFactor),
              decimalFactor(m_combo3->currentText(), m_targetFactor));
}

void Form1::Command2_Click()
{
    if (!selectionsComplete())
        return;
    calculate(storageFactor(m_combo1->currentText()), storageFactor(m_combo3->currentText()));
}

void Form1::Option1_Click()
{
    applyNumberDisplay();
}

void Form1::Option2_Click()
{
    applyNumberDisplay();
}

void Form1::applyNumberDisplay()
{
    const bool grouped = m_option2->isChecked();
    if (grouped == m_groupedShown)
        return;
    m_groupedShown = grouped;
    // Without a result there is nothing to show differently; recomputing
    // would show a number that belongs to no selection.
    if (m_text2->text().isEmpty())
        return;
    if (grouped) {
        m_text2->setText(groupedText(m_text2->text()));
        return;
    }
    // Recomputed, not read back: the grouped text keeps at most 27 decimals
    // and shows a tiny value such as 1E-29 as 0,00.
    if (const std::optional<double> result = convertEntry(m_text1->text(), m_sourceFactor, m_targetFactor))
        m_text2->setText(common::general(*result));
}

void Form1::Check1_Click()
{
    if (!m_check1->isChecked()) {
        // Reset in place: the window stays, and with it the factors.
        showInitialState();
        return;
    }
    fillPrefixes(m_combo1, itemsOf(kStoragePrefixes));
    fillPrefixes(m_combo3, itemsOf(kStoragePrefixes));
    m_combo2->setEditText(kStorageUnit.toString());
    Combo2_Change();
    m_combo2->setLocked(true);
    showStorageMode(true);
}

void Form1::Command3_Click()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(m_text2->text());
}

} // namespace converter
