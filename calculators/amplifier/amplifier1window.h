// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "amplifierwindow.h"

namespace common {
class ResultField;
}

// "Verstärker-Berechnung": sizes Rc, R1 and R2 of a common-emitter stage
// biased by a base divider, with the emitter on ground, and R1 for biasing
// by R1 alone. Picking a current's unit resets that current to "0", so an
// old number is never read with a new unit.
class Form1 : public amplifier::AmplifierWindow
{
    Q_OBJECT

public:
    Form1();

private:
    void Combo4_Click();
    void Combo5_Click();
    void Command1_Click();

    common::ResultField *m_r1WithoutR2 = nullptr; // Text7
    common::ResultField *m_rc = nullptr;          // Text8
    common::ResultField *m_r1 = nullptr;          // Text9
    common::ResultField *m_r2 = nullptr;          // Text10
};
