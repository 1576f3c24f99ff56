// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form.h"

#include <array>

class QLineEdit;

// "Koppel-Kondensator": coupling capacitor from load and cutoff frequency, and back.
//
// Left half: load (Text1, Combo1) and cutoff frequency (Text2, Combo2) give
// the capacitance in F, µF, nF and pF (Text3 to Text6). Right half: load
// (Text7, Combo3) and capacitance (Text8, Combo4) give the cutoff frequency
// in Hz, kHz and MHz (Text9 to Text11). Any change or pick on a half empties
// that half's results and never the other's. Input that cannot be computed
// with is answered by a warning, and then no field changes. All four
// capacitance results carry the nearest standard values of the capacitance.
class Form9 : public common::Form
{
    Q_OBJECT

public:
    Form9();

private:
    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void Text1_Change();
    void Text2_Change();
    void Combo1_Click();
    void Combo2_Click();
    void Text7_Change();
    void Text8_Change();
    void Combo3_Click();
    void Combo4_Click();

    void clearCapacitance();
    void clearFrequency();

    QLineEdit *m_text1;
    QLineEdit *m_text2;
    QLineEdit *m_text7;
    QLineEdit *m_text8;
    QComboBox *m_combo1;
    QComboBox *m_combo2;
    QComboBox *m_combo3;
    QComboBox *m_combo4;
    std::array<QLineEdit *, 4> m_capacitance; // Text3 to Text6
    std::array<QLineEdit *, 3> m_frequency;   // Text9 to Text11
};
