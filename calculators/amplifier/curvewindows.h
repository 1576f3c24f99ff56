// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form.h"

// "Kennlinie-Beispiel": the characteristic-curve picture of a transistor
// stage, with a hint to read the matching curve. Its help is `helpPage`,
// that of the calculator that opened it.
class Form2 : public common::Form
{
    Q_OBJECT

public:
    explicit Form2(const QString &helpPage);
};

// "Kennlinie Beispiel": the same picture on its own, a little smaller.
class Form4 : public common::Form
{
    Q_OBJECT

public:
    explicit Form4(const QString &helpPage);
};
