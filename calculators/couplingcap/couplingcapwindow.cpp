// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "couplingcapwindow.h"

#include "colours.h"
#include "couplingcap.h"
#include "entryfield.h"
#include "help.h"
#include "numbers.h"
#include "picture.h"
#include "resultfield.h"
#include "warning.h"

#include <QLabel>
#include <QPushButton>

namespace {

using common::Placement;

constexpr quint32 kBackground = 0xFFFF80;       // RGB 128, 255, 255
constexpr quint32 kResultBackground = 0xC0E0FF; // RGB 255, 224, 192

struct Caption {
    QStringView name;
    QStringView text;
};

constexpr Caption kLabels[] = {
    {u"Label1", u"R Last"},
    {u"Label2", u"Frequenz"},
    {u"Label3", u"Kondensator C2 ( F )"},
    {u"Label4", u"Kondensator C2 ( \u00B5F )"},
    {u"Label5", u"Kondensator C2 ( n F )"},
    {u"Label6", u"Kondensator C2 ( p F )"},
    {u"Label7", u"R Last"},
    {u"Label9", u"Kondensator"},
    {u"Label8", u"Frequenz (Hz)"},
    {u"Label10", u"Frequenz (kHz)"},
    {u"Label11", u"Frequenz (MHz)"},
};

// An entry field with its selector, and the label that names both.
struct EntryRow {
    QStringView field;
    int maxLength;
    QStringView selector;
    std::span<const couplingcap::Unit> units;
    QStringView label;
};

constexpr EntryRow kEntries[] = {
    {u"Text1", 10, u"Combo1", couplingcap::kResistanceUnits, u"Label1"},
    {u"Text2", 9, u"Combo2", couplingcap::kFrequencyUnits, u"Label2"},
    {u"Text7", 10, u"Combo3", couplingcap::kResistanceUnits, u"Label7"},
    {u"Text8", 10, u"Combo4", couplingcap::kCapacitanceUnits, u"Label9"},
};

struct ResultRow {
    QStringView field;
    QStringView pattern;
    QStringView label;
};

// In the order the fields are written.
constexpr ResultRow kCapacitanceResults[] = {
    {u"Text3", u"0.000000000000000", u"Label3"},
    {u"Text4", u"0.00", u"Label4"},
    {u"Text5", u"0.00", u"Label5"},
    {u"Text6", u"0", u"Label6"},
};
constexpr ResultRow kFrequencyResults[] = {
    {u"Text9", u"0", u"Label8"},
    {u"Text10", u"0.00", u"Label10"},
    {u"Text11", u"0.00", u"Label11"},
};

constexpr Placement kLayout[] = {
    {u"Label1", 360, 480, 1335, 255},
    {u"Text1", 2160, 360, 2295, 375},
    {u"Combo1", 4560, 360, 1095, 0},
    {u"Label2", 360, 1080, 1335, 255},
    {u"Text2", 2160, 960, 2295, 375},
    {u"Combo2", 4560, 960, 1095, 0},
    {u"Command1", 2160, 1560, 2295, 615},
    {u"Label3", 360, 2520, 1695, 255},
    {u"Text3", 2160, 2400, 2295, 375},
    {u"Label4", 360, 3000, 1695, 255},
    {u"Text4", 2160, 2880, 2295, 375},
    {u"Label5", 360, 3480, 1695, 255},
    {u"Text5", 2160, 3360, 2295, 375},
    {u"Label6", 360, 3960, 1695, 255},
    {u"Text6", 2160, 3840, 2295, 375},
    {u"Image1", 240, 4440, 5535, 3600},
    {u"Label7", 6480, 480, 1215, 255},
    {u"Text7", 7800, 360, 2295, 375},
    {u"Combo3", 10200, 360, 1095, 0},
    {u"Label9", 6480, 960, 1215, 255},
    {u"Text8", 7800, 960, 2295, 375},
    {u"Combo4", 10200, 960, 1095, 0},
    {u"Command2", 7800, 1560, 2295, 615},
    {u"Label8", 6480, 2400, 1215, 255},
    {u"Text9", 7800, 2400, 2295, 375},
    {u"Label10", 6480, 2880, 1215, 255},
    {u"Text10", 7800, 2880, 2295, 375},
    {u"Label11", 6480, 3360, 1215, 255},
    {u"Text11", 7800, 3360, 2295, 375},
    {u"Image2", 6000, 5280, 3465, 1515},
};

QString str(QStringView view)
{
    return view.toString();
}

QLineEdit *makeResult(QWidget *client, const ResultRow &row)
{
    auto *field = new common::ResultField(str(row.field), client);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, common::colourFromNumber(kResultBackground));
    field->setPalette(palette);
    common::nameAfter(field, common::child<QLabel>(client, row.label));
    return field;
}

// A result is written in the general form first and then rewritten from the
// field's own text through its pattern, so the pattern rounds the value
// already cut to 15 significant digits.
void writeResult(QLineEdit *field, double value, QStringView pattern)
{
    field->setText(common::general(value));
    field->setText(common::format(common::number(field->text()).value_or(value), pattern));
}

// Writes one half's results, or warns and leaves every field as it is.
template <typename Values, std::size_t N>
void showOutcome(QWidget *window, const couplingcap::Outcome<Values> &outcome,
                 const std::array<QLineEdit *, N> &fields, const ResultRow (&rows)[N])
{
    if (!outcome.values) {
        common::warning(window, outcome.warning);
        return;
    }
    const auto values = couplingcap::shown(*outcome.values);
    static_assert(std::tuple_size_v<decltype(values)> == N);
    for (std::size_t i = 0; i < N; ++i)
        writeResult(fields[i], values[i], rows[i].pattern);
}

} // namespace

Form9::Form9()
    : common::Form(QStringLiteral("Form9"), QStringLiteral("Koppel-Kondensator"), 11625, 8250, kBackground)
{
    common::setHelpPage(this, QStringLiteral("koppel-c.html"));
    QWidget *area = client();
    for (const Caption &label : kLabels)
        common::makeLabel(area, str(label.name), str(label.text));

    for (const EntryRow &row : kEntries) {
        const common::EntrySpec setup{QString(), row.maxLength, common::DigitFilter::WithoutBlank, false};
        auto *field = new common::EntryField(str(row.field), setup, area);
        QStringList items;
        for (const couplingcap::Unit &unit : row.units)
            items << str(unit.name);
        QComboBox *combo = common::makeSelector(area, str(row.selector), items);
        const auto *label = common::child<QLabel>(area, row.label);
        common::nameAfter(field, label);
        common::nameAfter(combo, label);
    }
    m_text1 = common::child<QLineEdit>(area, u"Text1");
    m_text2 = common::child<QLineEdit>(area, u"Text2");
    m_text7 = common::child<QLineEdit>(area, u"Text7");
    m_text8 = common::child<QLineEdit>(area, u"Text8");
    m_combo1 = common::child<QComboBox>(area, u"Combo1");
    m_combo2 = common::child<QComboBox>(area, u"Combo2");
    m_combo3 = common::child<QComboBox>(area, u"Combo3");
    m_combo4 = common::child<QComboBox>(area, u"Combo4");

    QPushButton *command1 = common::makeButton(area, QStringLiteral("Command1"), QStringLiteral("Berechne"));
    QPushButton *command2 = common::makeButton(area, QStringLiteral("Command2"), QStringLiteral("Berechne"));
    for (std::size_t i = 0; i < m_capacitance.size(); ++i)
        m_capacitance[i] = makeResult(area, kCapacitanceResults[i]);
    for (std::size_t i = 0; i < m_frequency.size(); ++i)
        m_frequency[i] = makeResult(area, kFrequencyResults[i]);

    new common::Picture(QStringLiteral("Image1"), QStringLiteral(":/couplingcap/schaltung.svg"),
                        QStringLiteral("Schaltbild: Transistorstufe T1 mit R1, R2, R3, Eingang über C1, "
                                       "Ausgang über C2 an R Last; C2 und R Last bilden den Hochpass"),
                        area);
    new common::Picture(QStringLiteral("Image2"), QStringLiteral(":/couplingcap/hinweis.svg"),
                        QStringLiteral("Hinweis: Größerer C verschiebt Grenzfrequenz nach unten, "
                                       "obere Frequenzen können passieren!"),
                        area);

    common::place(area, kLayout);
    common::setFocusOrder(area, {u"Text1", u"Combo1", u"Text2", u"Combo2", u"Command1", u"Text3",
                                 u"Text4", u"Text5", u"Text6", u"Text7", u"Combo3", u"Text8",
                                 u"Combo4", u"Command2", u"Text9", u"Text10", u"Text11"});

    connect(command1, &QPushButton::clicked, this, &Form9::Command1_Click);
    connect(command2, &QPushButton::clicked, this, &Form9::Command2_Click);
    connect(m_text1, &QLineEdit::textChanged, this, &Form9::Text1_Change);
    connect(m_text2, &QLineEdit::textChanged, this, &Form9::Text2_Change);
    connect(m_combo1, &QComboBox::activated, this, &Form9::Combo1_Click);
    connect(m_combo2, &QComboBox::activated, this, &Form9::Combo2_Click);
    connect(m_text7, &QLineEdit::textChanged, this, &Form9::Text7_Change);
    connect(m_text8, &QLineEdit::textChanged, this, &Form9::Text8_Change);
    connect(m_combo3, &QComboBox::activated, this, &Form9::Combo3_Click);
    connect(m_combo4, &QComboBox::activated, this, &Form9::Combo4_Click);

    Form_Load();
    m_text1->setFocus();
}

void Form9::Form_Load()
{
    for (QComboBox *combo : {m_combo1, m_combo2, m_combo3, m_combo4})
        combo->setCurrentIndex(0);
}

void Form9::Command1_Click()
{
    const couplingcap::Outcome<couplingcap::Capacitance> outcome = couplingcap::capacitance(
        {m_text1->text(), m_combo1->currentText()}, {m_text2->text(), m_combo2->currentText()});
    showOutcome(this, outcome, m_capacitance, kCapacitanceResults);
    if (!outcome.values)
        return;
    // All four fields show the one capacitance, each in its own unit.
    for (QLineEdit *field : m_capacitance)
        common::showStandardValues(field, outcome.values->farad, common::Part::Capacitor);
}

void Form9::Command2_Click()
{
    showOutcome(this,
                couplingcap::frequency({m_text7->text(), m_combo3->currentText()},
                                       {m_text8->text(), m_combo4->currentText()}),
                m_frequency, kFrequencyResults);
}

void Form9::Text1_Change() { clearCapacitance(); }
void Form9::Text2_Change() { clearCapacitance(); }
void Form9::Combo1_Click() { clearCapacitance(); }
void Form9::Combo2_Click() { clearCapacitance(); }
void Form9::Text7_Change() { clearFrequency(); }
void Form9::Text8_Change() { clearFrequency(); }
void Form9::Combo3_Click() { clearFrequency(); }
void Form9::Combo4_Click() { clearFrequency(); }

void Form9::clearCapacitance()
{
    for (QLineEdit *field : m_capacitance)
        field->clear();
}

void Form9::clearFrequency()
{
    for (QLineEdit *field : m_frequency)
        field->clear();
}
