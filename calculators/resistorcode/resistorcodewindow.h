// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form.h"

#include <array>
#include <vector>

class QComboBox;
class QLineEdit;

// "Widerstands Farbcode": resistance and tolerance from four or five colour
// rings. Two independent calculators side by side, each with its ring
// selectors, its "Berechne" button and four result fields; any pick in a
// calculator's selectors empties that calculator's results, and only those.
class Form10 : public common::Form
{
    Q_OBJECT

public:
    Form10();

private:
    struct Calculator {
        std::vector<QComboBox *> rings;      // ring order: digits, multiplier, tolerance
        std::array<QLineEdit *, 4> results{}; // Ohm, k Ohm, M Ohm, tolerance
    };

    void Command1_Click();
    void Command2_Click();

    void calculate(const Calculator &calculator);
    void emptyResults(const Calculator &calculator);

    Calculator m_fourRing;
    Calculator m_fiveRing;
};
