// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "amplifierwindow.h"

namespace common {
class EntryField;
class ResultField;
} // namespace common

// "Verstärker Berechnung": sizes Rc, R1 and R2 of a common-emitter stage
// with an emitter resistor Re. Picking a current's unit keeps its number,
// which is then read with the new unit. A click on the circuit opens the
// second characteristic-curve window.
class Form5 : public amplifier::AmplifierWindow
{
    Q_OBJECT

public:
    Form5();

private:
    void Command1_Click();
    void Image1_Click();

    common::EntryField *m_re = nullptr; // Text7
    common::ResultField *m_rc = nullptr; // Text8
    common::ResultField *m_r1 = nullptr; // Text9
    common::ResultField *m_r2 = nullptr; // Text10
};
