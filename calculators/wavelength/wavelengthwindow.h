// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form.h"

class QLineEdit;

// "Frequenz - Wellenlänge": frequency to wavelength and back.
//
// Upper row: a frequency in Hz (Text1) gives the wavelength in m (Text2);
// lower row: a wavelength in m (Text3) gives the frequency in Hz (Text4),
// both as c / entry. "Berechne" rewrites the entry and the result with four
// decimals and grouped thousands. When the user moves the focus into an
// entry field, its row's result is emptied; the focus coming back after a
// warning or from another program leaves it alone. Input that cannot be
// computed with is answered by a warning, and then the row stays as it was.
class Form8 : public common::Form
{
    Q_OBJECT

public:
    Form8();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Command1_Click();
    void Command2_Click();
    void Text1_GotFocus();
    void Text3_GotFocus();

    void convert(QLineEdit *entry, QLineEdit *result);

    QLineEdit *m_text1;
    QLineEdit *m_text2;
    QLineEdit *m_text3;
    QLineEdit *m_text4;
};
