// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form.h"

#include <QIcon>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace common {
class EntryField;
class ResultField;
} // namespace common

namespace converter {

class UnitField;

// "Umrechnung": converts a number between SI prefixes, or between storage
// prefixes taken as powers of 1024.
//
// The user names a unit (picked or typed; it only labels the two values),
// picks a source and a target prefix, types a value and presses
// "Berechne". The result shows in the general form or grouped with at
// least two decimals, and "in Zwischenablage" copies it as shown. Any change
// of the entry or the prefixes, and typing a unit, empties the result, so a
// shown result always belongs to the selection beside it.
//
// "Speicher-Einheiten" switches to the storage prefixes with the unit fixed
// to "Byte od. Bit"; clearing it puts every control back as at opening,
// while the factors of the last calculation stay.
class Form1 : public common::Form
{
    Q_OBJECT

public:
    Form1();

    // The crossed rulers at 16 and 32 pixels, for this window and the
    // application.
    static QIcon icon();

    // The factors of the last calculation that passed its checks; 0 before
    // the first.
    double sourceFactor() const { return m_sourceFactor; }
    double targetFactor() const { return m_targetFactor; }

private:
    void Text1_Change();
    void Combo1_Click();
    void Combo3_Click();
    void Combo2_Click();
    void Combo2_Change();
    void Command1_Click();
    void Command2_Click();
    void Option1_Click();
    void Option2_Click();
    void Check1_Click();
    void Command3_Click();

    // Shared steps of the two "Berechne" buttons.
    bool selectionsComplete();
    void calculate(double source, double target);
    // Shared body of the two number display buttons.
    void applyNumberDisplay();
    void composeUnitLabels();
    void showInitialState();
    void showStorageMode(bool storage);

    common::EntryField *m_text1;
    common::ResultField *m_text2;
    QComboBox *m_combo1;
    UnitField *m_combo2;
    QComboBox *m_combo3;
    QLabel *m_label8;
    QLabel *m_label9;
    QRadioButton *m_option1;
    QRadioButton *m_option2;
    QCheckBox *m_check1;
    QPushButton *m_command1;
    QPushButton *m_command2;
    QPushButton *m_command3;

    double m_sourceFactor = 0.0;
    double m_targetFactor = 0.0;
    bool m_groupedShown = false; // which number display the last option click chose
};

} // namespace converter
