// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ohmslawwindow.h"

#include "colours.h"
#include "entryfield.h"
#include "help.h"
#include "numbers.h"
#include "resultfield.h"
#include "warning.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {

using ohmslaw::Row;

constexpr quint32 kBackground = 0xC0C0FF;  // RGB 255, 192, 192
constexpr quint32 kFormatHeading = 0xC0E0FF; // RGB 255, 224, 192

// One row of the window, top to bottom; the control numbers do not follow
// the screen order.
struct RowControls {
    QStringView label;
    QStringView caption;
    QStringView clearButton;
    QStringView clearName; // the clear buttons show no caption
    QStringView field;
    QStringView selector;
    QStringView selectorName;
};

constexpr RowControls kRows[ohmslaw::kRowCount] = {
    {u"Label2", u"Spannung", u"Command2", u"Spannung löschen", u"Text1", u"Combo1", u"Einheit der Spannung"},
    {u"Label1", u"Strom", u"Command3", u"Strom löschen", u"Text2", u"Combo2", u"Einheit des Stroms"},
    {u"Label3", u"Widerstand", u"Command4", u"Widerstand löschen", u"Text3", u"Combo3", u"Einheit des Widerstands"},
};

constexpr QStringView kOptions[] = {u"Option1", u"Option2", u"Option3", u"Option4", u"Option5"};
static_assert(std::size(kOptions) == std::size(ohmslaw::kFormats));

constexpr common::Placement kLayout[] = {
    {u"Label2", 234, 468, 949, 247},
    {u"Command2", 1287, 468, 247, 247},
    {u"Text1", 1638, 468, 2236, 247},
    {u"Combo1", 3978, 468, 832, 0},
    {u"Label1", 234, 936, 949, 247},
    {u"Command3", 1287, 936, 247, 247},
    {u"Text2", 1638, 936, 2236, 247},
    {u"Combo2", 3978, 936, 832, 0},
    {u"Label3", 234, 1404, 949, 247},
    {u"Command4", 1287, 1404, 247, 247},
    {u"Text3", 1638, 1404, 2236, 247},
    {u"Combo3", 3978, 1404, 832, 0},
    {u"Label4", 117, 1872, 4693, 247},
    {u"Label5", 120, 2220, 1650, 480},
    {u"Option1", 117, 2808, 2370, 247},
    {u"Option2", 117, 3159, 1534, 286},
    {u"Option3", 117, 3510, 1534, 247},
    {u"Option4", 117, 3861, 1534, 247},
    {u"Option5", 117, 4212, 1534, 247},
    {u"Command1", 3276, 4095, 1534, 364},
};

// A function, not a global constant: the initial text is a QString.
common::EntrySpec valueField()
{
    return {QString(), 20, common::DigitFilter::WithBlank, false};
}

QString toQString(QStringView view)
{
    return view.toString();
}

bool isMarked(const QWidget *field)
{
    return common::textColour(field) == common::colourFromNumber(common::kRed);
}

} // namespace

Form6::Form6()
    : common::Form(QStringLiteral("Form6"), QStringLiteral("Strom-Spannung-Widerstand"), 5025, 4650, kBackground)
{
    common::setHelpPage(this, QStringLiteral("iur.html"));
    using Handler = void (Form6::*)();
    struct RowHandlers {
        Handler clear;
        Handler pick;
        Handler change;
    };
    const RowHandlers rowHandlers[ohmslaw::kRowCount] = {
        {&Form6::Command2_Click, &Form6::Combo1_Click, &Form6::Text1_Change},
        {&Form6::Command3_Click, &Form6::Combo2_Click, &Form6::Text2_Change},
        {&Form6::Command4_Click, &Form6::Combo3_Click, &Form6::Text3_Change},
    };
    const Handler optionHandlers[] = {&Form6::Option1_Click, &Form6::Option2_Click, &Form6::Option3_Click,
                                      &Form6::Option4_Click, &Form6::Option5_Click};

    QWidget *area = client();
    for (int row = 0; row < ohmslaw::kRowCount; ++row) {
        const RowControls &controls = kRows[row];
        QLabel *label = common::makeLabel(area, toQString(controls.label), toQString(controls.caption));
        common::setBackground(label, kBackground);

        QPushButton *clear = common::makeButton(area, toQString(controls.clearButton), QString());
        clear->setAccessibleName(toQString(controls.clearName));
        connect(clear, &QPushButton::clicked, this, rowHandlers[row].clear);

        auto *field = new common::EntryField(toQString(controls.field), valueField(), area);
        common::nameAfter(field, label);
        common::setTextColour(field, common::colourFromNumber(common::kBlack));
        connect(field, &QLineEdit::textChanged, this, rowHandlers[row].change);
        m_fields[row] = field;

        QComboBox *selector = common::makeSelector(area, toQString(controls.selector), common::unitNames(ohmslaw::kUnits[row]));
        selector->setAccessibleName(toQString(controls.selectorName));
        connect(selector, &QComboBox::activated, this, rowHandlers[row].pick);
        m_selectors[row] = selector;
    }

    QLabel *hint = common::makeLabel(area, QStringLiteral("Label4"), QStringLiteral("Ergebnisfeld leer lassen !"));
    common::setBackground(hint, kBackground);
    QLabel *heading = common::makeLabel(area, QStringLiteral("Label5"), QStringLiteral("Zahlenformat für Ergebnis"));
    // Two lines high: the heading starts at the top and wraps when the font
    // needs more room than the drawn one.
    heading->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    heading->setWordWrap(true);
    common::setBackground(heading, kFormatHeading);

    m_formats = new QButtonGroup(this);
    for (int i = 0; i < int(std::size(kOptions)); ++i) {
        auto *option = new QRadioButton(ohmslaw::kFormats[i].caption.toString(), area);
        option->setObjectName(toQString(kOptions[i]));
        // Buttons fill with their Button colour unless told otherwise.
        option->setBackgroundRole(QPalette::Window);
        common::setBackground(option, kBackground);
        m_formats->addButton(option, i);
        connect(option, &QRadioButton::clicked, this, optionHandlers[i]);
    }
    m_formats->button(m_chosenFormat)->setChecked(true);

    m_calculate = common::makeButton(area, QStringLiteral("Command1"), QStringLiteral("Berechne"));
    connect(m_calculate, &QPushButton::clicked, this, &Form6::Command1_Click);

    common::place(area, kLayout);
    common::setFocusOrder(area, {u"Text1", u"Text2", u"Text3", u"Combo1", u"Combo2", u"Combo3", u"Command1",
                                 u"Command2", u"Command3", u"Command4", u"Option1", u"Option3", u"Option4",
                                 u"Option5", u"Option2"});
    m_fields[Row::VoltageRow]->setFocus();

    Form_Load();
}

void Form6::Form_Load()
{
    for (QComboBox *selector : m_selectors)
        selector->setCurrentIndex(0);
}

void Form6::Combo1_Click() { unitPicked(Row::VoltageRow); }
void Form6::Combo2_Click() { unitPicked(Row::CurrentRow); }
void Form6::Combo3_Click() { unitPicked(Row::ResistanceRow); }

void Form6::Command1_Click() { calculate(); }

void Form6::Command2_Click() { clearRow(Row::VoltageRow); }
void Form6::Command3_Click() { clearRow(Row::CurrentRow); }
void Form6::Command4_Click() { clearRow(Row::ResistanceRow); }

void Form6::Option1_Click() { formatChosen(); }
void Form6::Option2_Click() { formatChosen(); }
void Form6::Option3_Click() { formatChosen(); }
void Form6::Option4_Click() { formatChosen(); }
void Form6::Option5_Click() { formatChosen(); }

void Form6::Text1_Change() { valueChanged(); }
void Form6::Text2_Change() { valueChanged(); }
void Form6::Text3_Change()
{
    // The calculation writes the standard values after its text; any other
    // change leaves a resistance they do not belong to.
    common::clearStandardValues(m_fields[Row::ResistanceRow]);
    valueChanged();
}

void Form6::calculate()
{
    ohmslaw::Texts units;
    for (int row = 0; row < ohmslaw::kRowCount; ++row)
        units[row] = m_selectors[row]->currentText();

    // Each "0" written here runs the field's change handler, so even a
    // refused calculation leaves "Berechne" enabled.
    for (common::EntryField *field : m_fields) {
        if (common::isBlank(field->text()))
            field->setText(QStringLiteral("0"));
    }

    ohmslaw::Texts values;
    for (int row = 0; row < ohmslaw::kRowCount; ++row)
        values[row] = m_fields[row]->text();
    const ohmslaw::Solution solution = ohmslaw::solve(values, units);

    if (ohmslaw::clearsMark(solution.outcome))
        setAllBlack();
    if (!ohmslaw::isResult(solution.outcome)) {
        common::warning(this, ohmslaw::message(solution.outcome));
        return;
    }

    common::EntryField *field = m_fields[ohmslaw::resultRow(solution.outcome)];
    common::setTextColour(field, common::colourFromNumber(common::kRed));
    field->setText(common::format(solution.value, ohmslaw::kFormats[m_formats->checkedId()].pattern));
    if (solution.outcome == ohmslaw::Outcome::Resistance) {
        const double ohms = solution.value
            * common::unitFactor(units[Row::ResistanceRow], ohmslaw::kResistanceUnits).value_or(0.0);
        common::showStandardValues(field, ohms, common::Part::Resistor);
    }
    // After the write, whose change handler enabled it.
    m_calculate->setEnabled(false);
}

void Form6::unitPicked(Row row)
{
    // The red mark stays: the next format change recomputes this row.
    m_fields[row]->clear();
}

void Form6::clearRow(Row row)
{
    m_fields[row]->clear();
    setAllBlack();
}

void Form6::formatChosen()
{
    const int chosen = m_formats->checkedId();
    if (chosen == m_chosenFormat)
        return;
    m_chosenFormat = chosen;
    // At most one field is red; its old value must not count as given.
    for (common::EntryField *field : m_fields) {
        if (isMarked(field)) {
            field->clear();
            calculate();
        }
    }
}

void Form6::valueChanged()
{
    m_calculate->setEnabled(true);
}

void Form6::setAllBlack()
{
    for (common::EntryField *field : m_fields)
        common::setTextColour(field, common::colourFromNumber(common::kBlack));
    // A resistance no longer marked as the result is an entry like any other.
    common::clearStandardValues(m_fields[Row::ResistanceRow]);
}
