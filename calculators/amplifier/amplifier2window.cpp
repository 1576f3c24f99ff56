// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "amplifier2window.h"

#include "curvewindows.h"
#include "entryfield.h"
#include "help.h"
#include "picture.h"
#include "resultfield.h"

#include <QComboBox>
#include <QPushButton>

namespace {

using amplifier::Caption;
using amplifier::Line;
using amplifier::Style;
using amplifier::NamedBy;

constexpr quint32 kBackground = 0xFFC0FF; // RGB 255, 192, 255

constexpr Caption kCaptions[] = {
    {u"Label1", u"Schaltung", Style::CentredBold},
    {u"Label2", u"Betriebsspannung Ub", Style::Left},
    {u"Label3", u"Kollektorspannung Uce", Style::Centred},
    {u"Label4", u"Basisspannung Ube", Style::Centred},
    {u"Label5", u"Kollektorstrom Ic", Style::Centred},
    {u"Label6_0", u"Basisstrom Ib", Style::Centred},
    {u"Label6_1", u"Re", Style::Centred},
    {u"Label7", u"Ohm", Style::Centred},
    {u"Label8", u"Rc", Style::Centred},
    {u"Label9", u"R1", Style::Centred},
    {u"Label10", u"R2", Style::Centred},
    {u"Label11_0", u"K Ohm", Style::Centred},
    {u"Label11_1", u"K Ohm", Style::Centred},
    {u"Label11_2", u"K Ohm", Style::Centred},
};

constexpr common::Placement kLayout[] = {
    {u"Image1", 234, 234, 5434, 4576},
    {u"Label1", 234, 4914, 5447, 260},
    {u"Label2", 5967, 221, 1820, 260},
    {u"Text1", 8008, 221, 1575, 285},
    {u"Combo1", 9815, 221, 1095, 0},
    {u"Label3", 5967, 1066, 1820, 260},
    {u"Text2", 8008, 1066, 1575, 285},
    {u"Combo2", 9815, 1066, 1095, 0},
    {u"Label4", 5967, 1417, 1820, 260},
    {u"Text3", 8008, 1417, 1575, 285},
    {u"Combo3", 9815, 1417, 1095, 0},
    {u"Label5", 5967, 1781, 1820, 260},
    {u"Text4", 8008, 1781, 1575, 285},
    {u"Combo4", 9815, 1781, 1095, 0},
    {u"Label6_0", 5967, 2145, 1820, 260},
    {u"Text5", 8008, 2145, 1575, 285},
    {u"Combo5", 9815, 2145, 1095, 0},
    {u"Label6_1", 5967, 2574, 1820, 247},
    {u"Text7", 8008, 2548, 1575, 285},
    {u"Label7", 9828, 2561, 1066, 273},
    {u"Text6", 11011, 1287, 1274, 871},
    {u"Command1", 8073, 3276, 1495, 375},
    {u"Label8", 5967, 4290, 1820, 260},
    {u"Text8", 8008, 4290, 1575, 285},
    {u"Label9", 5967, 4641, 1820, 260},
    {u"Text9", 8008, 4641, 1575, 285},
    {u"Label10", 5967, 5005, 1820, 260},
    {u"Text10", 8008, 5005, 1575, 285},
    {u"Label11_0", 9815, 4290, 975, 260},
    {u"Label11_1", 9815, 4641, 975, 260},
    {u"Label11_2", 9815, 5005, 975, 260},
    {u"Combo6", 11115, 4914, 1183, 0},
};

constexpr Line kLines[] = {
    {u"Line1_0", 5967, 819, 12285, 819},
    {u"Line1_1", 5967, 3159, 12285, 3159},
};

constexpr NamedBy kNames[] = {
    {u"Text1", u"Label2"},    {u"Combo1", u"Label2"},   {u"Text2", u"Label3"},  {u"Combo2", u"Label3"},
    {u"Text3", u"Label4"},    {u"Combo3", u"Label4"},   {u"Text4", u"Label5"},  {u"Combo4", u"Label5"},
    {u"Text5", u"Label6_0"},  {u"Combo5", u"Label6_0"}, {u"Text7", u"Label6_1"}, {u"Text8", u"Label8"},
    {u"Text9", u"Label9"},    {u"Text10", u"Label10"},
};

constexpr QStringView kCircuit = u":/amplifier/circuit2.svg";
constexpr QStringView kCircuitDescription =
    u"Schaltung: NPN-Transistor in Emitterschaltung mit Kollektorwiderstand Rc, "
    u"Emitterwiderstand Re und Kondensator Ce, Basisspannungsteiler R1 und R2; "
    u"ein Klick zeigt die Kennlinien";

} // namespace

Form5::Form5()
    : amplifier::AmplifierWindow(QStringLiteral("Form5"), QStringLiteral("Verstärker Berechnung"), 12510,
                                 6000, kBackground)
{
    common::setHelpPage(this, QStringLiteral("verstaerker2.html"));
    common::Picture *circuit = addCircuit(kCircuit.toString(), kCircuitDescription.toString());
    circuit->setClickable(true);
    addCaptions(kCaptions);
    addOperatingPoint();
    m_re = addEntry(QStringLiteral("Text7"));
    addHint();
    QPushButton *compute = addComputeButton();
    m_rc = addResult(QStringLiteral("Text8"));
    m_r1 = addResult(QStringLiteral("Text9"));
    m_r2 = addResult(QStringLiteral("Text10"));
    addLines(kLines);
    common::place(client(), kLayout);
    nameControls(kNames);
    // The factor has no caption of its own here.
    factorSelector()->setAccessibleName(QStringLiteral("Faktor 2 - 10"));
    common::setFocusOrder(client(), {u"Text1", u"Combo1", u"Text2", u"Combo2", u"Text3", u"Combo3", u"Text4",
                                     u"Combo4", u"Text5", u"Combo5", u"Text7", u"Combo6", u"Command1",
                                     u"Text10", u"Text9", u"Text8", u"Text6"});

    connect(circuit, &common::Picture::clicked, this, &Form5::Image1_Click);
    connect(compute, &QPushButton::clicked, this, &Form5::Command1_Click);

    Form_Load();
    ubField()->setFocus();
}

void Form5::Command1_Click()
{
    fillEmptyEntries({m_re});
    const std::optional<amplifier::Stage2> result = amplifier::calculateStage2(entries(), m_re->text());
    if (!result) {
        refuseInput();
        return;
    }
    showResistance(m_rc, result->rc);
    showResistance(m_r2, result->r2);
    showResistance(m_r1, result->r1);
}

void Form5::Image1_Click()
{
    common::showModal<Form4>(common::Position::CentredOnScreen, nullptr, common::helpPage(this));
}
