// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form.h"

// "VB Farbcode": a chart of 42 colour swatches, each captioned with its
// colour code. A click on a swatch empties the clipboard and puts the code
// there as plain text; nothing else changes.
class Form7 : public common::Form
{
    Q_OBJECT

public:
    Form7();

private:
    // The one handler of all swatches, `number` from 1 to 42.
    void Label_Click(int number);
};
