// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form.h"

// "Kennlinie-Beispiel": the characteristic-curve picture of a transistor
// stage, with a hint to read the matching curve.
class Form2 : public common::Form
{
    Q_OBJECT

public:
    Form2();
};

// "Kennlinie Beispiel": the same picture on its own, a little smaller.
class Form4 : public common::Form
{
    Q_OBJECT

public:
    Form4();
};
