// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMainWindow>

class QPlainTextEdit;

// "Elektronik Berechnungen", the main window. Its menu bar is the way to
// every calculator: each item opens one calculator window modally, and
// "Einheiten" starts the converter program. "Hilfe", at its right end,
// shows the overview of the calculators (also on F1) and "Über Elektronik".
class Form3 : public QMainWindow
{
    Q_OBJECT

public:
    Form3();

    void Form_Load();

    void rcver1_Click();
    void rcve2_Click();
    void iur_Click();
    void ein_Click();
    void farb_Click();
    void fre_Click();
    void koppel_Click();
    void farbe_Click();
    void bauteil_Click();
    void spannung_Click();
    void ledvor_Click();
    void hilfezu_Click();
    void ueber_Click();
};
