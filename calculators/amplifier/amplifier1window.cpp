// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "amplifier1window.h"

#include "entryfield.h"
#include "help.h"
#include "picture.h"
#include "resultfield.h"

#include <QComboBox>
#include <QIcon>
#include <QPushButton>

namespace {

using amplifier::Caption;
using amplifier::Line;
using amplifier::Style;
using amplifier::NamedBy;

constexpr quint32 kBackground = 0xFFFF80; // RGB 128, 255, 255

constexpr Caption kCaptions[] = {
    {u"Label1", u"Schaltung", Style::CentredBold},
    {u"Label2", u"Betriebsspannung Ub", Style::Left},
    {u"Label3", u"Kollektorspannung Uce", Style::Centred},
    {u"Label4", u"Basisspannung Ube", Style::Centred},
    {u"Label5", u"Kollektorstrom Ic", Style::Centred},
    {u"Label6", u"Basisstrom Ib", Style::Centred},
    {u"Label7", u"R1 ohne R2", Style::Centred},
    {u"Label8", u"Rc", Style::Centred},
    {u"Label9", u"R1", Style::Centred},
    {u"Label10", u"R2", Style::Centred},
    {u"Label11_0", u"K Ohm", Style::Centred},
    {u"Label11_1", u"K Ohm", Style::Centred},
    {u"Label11_2", u"K Ohm", Style::Centred},
    {u"Label11_3", u"K Ohm", Style::Centred},
    {u"Label12", u"Faktor 2 - 10", Style::Centred},
};

constexpr common::Placement kLayout[] = {
    {u"Image1", 234, 117, 5434, 4108},
    {u"Label1", 234, 4329, 5447, 260},
    {u"Label2", 5850, 221, 1820, 260},
    {u"Text1", 7891, 221, 1575, 285},
    {u"Combo1", 9698, 221, 1095, 0},
    {u"Label3", 5850, 1066, 1820, 260},
    {u"Text2", 7891, 1066, 1575, 285},
    {u"Combo2", 9698, 1066, 1095, 0},
    {u"Label4", 5850, 1417, 1820, 260},
    {u"Text3", 7891, 1417, 1575, 285},
    {u"Combo3", 9698, 1417, 1095, 0},
    {u"Label5", 5850, 1781, 1820, 260},
    {u"Text4", 7891, 1781, 1575, 285},
    {u"Combo4", 9698, 1781, 1095, 0},
    {u"Label6", 5850, 2145, 1820, 260},
    {u"Text5", 7891, 2145, 1575, 285},
    {u"Combo5", 9698, 2145, 1095, 0},
    {u"Text6", 10894, 1287, 1274, 871},
    {u"Command1", 7956, 2808, 1495, 375},
    {u"Label7", 5850, 3458, 1820, 260},
    {u"Text7", 7891, 3458, 1575, 285},
    {u"Label8", 5850, 3822, 1820, 260},
    {u"Text8", 7891, 3822, 1575, 285},
    {u"Label9", 5850, 4173, 1820, 260},
    {u"Text9", 7891, 4173, 1575, 285},
    {u"Label10", 5850, 4537, 1820, 260},
    {u"Text10", 7891, 4537, 1575, 285},
    {u"Label11_0", 9698, 3458, 975, 260},
    {u"Label11_1", 9698, 3822, 975, 260},
    {u"Label11_2", 9698, 4173, 975, 260},
    {u"Label11_3", 9698, 4537, 975, 260},
    {u"Label12", 10998, 4095, 1183, 247},
    {u"Combo6", 10998, 4446, 1183, 0},
};

constexpr Line kLines[] = {
    {u"Line1_0", 5850, 819, 12168, 819},
    {u"Line1_1", 5850, 2691, 12168, 2691},
};

constexpr NamedBy kNames[] = {
    {u"Text1", u"Label2"},  {u"Combo1", u"Label2"}, {u"Text2", u"Label3"},  {u"Combo2", u"Label3"},
    {u"Text3", u"Label4"},  {u"Combo3", u"Label4"}, {u"Text4", u"Label5"},  {u"Combo4", u"Label5"},
    {u"Text5", u"Label6"},  {u"Combo5", u"Label6"}, {u"Text7", u"Label7"},  {u"Text8", u"Label8"},
    {u"Text9", u"Label9"},  {u"Text10", u"Label10"}, {u"Combo6", u"Label12"},
};

constexpr QStringView kCircuit = u":/amplifier/circuit1.svg";
constexpr QStringView kCircuitDescription =
    u"Schaltung: NPN-Transistor in Emitterschaltung mit Kollektorwiderstand Rc, "
    u"Basisspannungsteiler R1 und R2 und Koppelkondensatoren";
constexpr QStringView kIcon = u":/amplifier/icon1.svg";

} // namespace

Form1::Form1()
    : amplifier::AmplifierWindow(QStringLiteral("Form1"), QStringLiteral("Verstärker-Berechnung"), 12405,
                                 5055, kBackground)
{
    common::setHelpPage(this, QStringLiteral("verstaerker1.html"));
    setWindowIcon(QIcon(kIcon.toString()));
    addCircuit(kCircuit.toString(), kCircuitDescription.toString());
    addCaptions(kCaptions);
    addOperatingPoint();
    addHint();
    QPushButton *compute = addComputeButton();
    m_r1WithoutR2 = addResult(QStringLiteral("Text7"));
    m_rc = addResult(QStringLiteral("Text8"));
    m_r1 = addResult(QStringLiteral("Text9"));
    m_r2 = addResult(QStringLiteral("Text10"));
    addLines(kLines);
    common::place(client(), kLayout);
    nameControls(kNames);
    common::setFocusOrder(client(), {u"Text1", u"Text2", u"Combo2", u"Text3", u"Combo3", u"Text4",
                                     u"Combo4", u"Text5", u"Combo5", u"Combo6", u"Command1", u"Text7",
                                     u"Text8", u"Text9", u"Text10", u"Combo1", u"Text6"});

    connect(icUnit(), &QComboBox::activated, this, &Form1::Combo4_Click);
    connect(ibUnit(), &QComboBox::activated, this, &Form1::Combo5_Click);
    connect(compute, &QPushButton::clicked, this, &Form1::Command1_Click);

    Form_Load();
    ubField()->setFocus();
}

void Form1::Combo4_Click()
{
    icField()->setText(QStringLiteral("0"));
}

void Form1::Combo5_Click()
{
    ibField()->setText(QStringLiteral("0"));
}

void Form1::Command1_Click()
{
    fillEmptyEntries();
    const std::optional<amplifier::Stage1> result = amplifier::calculateStage1(entries());
    if (!result) {
        refuseInput();
        return;
    }
    showResistance(m_rc, result->rc);
    showResistance(m_r1WithoutR2, result->r1WithoutR2);
    showResistance(m_r2, result->r2);
    showResistance(m_r1, result->r1);
}
