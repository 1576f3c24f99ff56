// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form.h"
#include "ohmslaw.h"

#include <array>

class QButtonGroup;
class QPushButton;

namespace common {
class EntryField;
}

// "Strom-Spannung-Widerstand": solves Ohm's law for the quantity left empty.
//
// Each row (Spannung, Strom, Widerstand) has a clear button, a value field
// and a unit selector. "Berechne" writes "0" into empty fields and computes
// the quantity at zero in the unit of its row, through the chosen number
// format, in red. The red text is the only record of which field holds the
// result: choosing another format empties the red field and computes it
// again. "Berechne" is disabled after a result until a value field changes.
// A computed resistance carries its nearest standard values until its field
// changes or loses the red mark; voltage and current carry none.
class Form6 : public common::Form
{
    Q_OBJECT

public:
    Form6();

private:
    void Form_Load();
    void Combo1_Click();
    void Combo2_Click();
    void Combo3_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    void Option5_Click();
    void Text1_Change();
    void Text2_Change();
    void Text3_Change();

    void calculate();
    void unitPicked(ohmslaw::Row row);
    void clearRow(ohmslaw::Row row);
    void formatChosen();
    void valueChanged();
    void setAllBlack();

    std::array<common::EntryField *, ohmslaw::kRowCount> m_fields{};
    std::array<QComboBox *, ohmslaw::kRowCount> m_selectors{};
    QButtonGroup *m_formats = nullptr;
    QPushButton *m_calculate = nullptr;
    // The format selected before the latest click, so that clicking the
    // selected option again changes nothing.
    int m_chosenFormat = 0;
};
