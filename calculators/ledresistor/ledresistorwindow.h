// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form.h"
#include "ledresistor.h"

#include <vector>

class LedCircuitPicture;
class QComboBox;
class QLabel;
class QLineEdit;

// "LED-Vorwiderstand": the series resistor of one or more LEDs, its
// standard value, power and rating, and the current's worst case.
//
// Like "Bauteilwerte" it has no "Berechne" and shows no warning box: every
// change of a field or drop-down computes again (ledresistor::calculate).
// "LED-Farbe" (Combo1) fills the forward voltages (Text3 to Text5) from
// the module's table; typing into them sets it to "eigene Werte". A field
// that cannot be read, or values that do not work, show a red line at the
// window's foot (Label25) and empty every result; notes that go with the
// results stand in the same place. The drawing (Picture1) shows the
// circuit and says it in words as its accessible description. Every result
// is a read-only field, so it can be selected and copied.
class Form13 : public common::Form
{
    Q_OBJECT

public:
    Form13();

private:
    void Combo1_Click();
    void Forward_Change();
    void Inputs_Change();

    QLineEdit *m_supply;
    QLineEdit *m_spread;
    QComboBox *m_colour;
    std::vector<QLineEdit *> m_forward; // typical, von, bis
    QComboBox *m_current;
    QLineEdit *m_inSeries;
    QLineEdit *m_strings;
    QComboBox *m_series;
    std::vector<QLineEdit *> m_results; // in the order of kResultCaptions
    QLabel *m_message;
    LedCircuitPicture *m_picture;
};
