// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "divider.h"
#include "form.h"

#include <array>
#include <vector>

class DividerPicture;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QStackedWidget;
class QTableWidget;

// "Spannungsteiler": two standard resistors for a wanted divider output,
// gain of a non-inverting amplifier or output of an adjustable regulator.
//
// Like "Bauteilwerte" it has no "Berechne" and shows no warning box: every
// change of a field or drop-down searches again. "Aufgabe" (Combo1) picks
// the task and with it the page of its fields; "Reihe" (Combo2) presets
// "Toleranz" (Combo3); "auch mit drei Widerständen" (Check1) adds the best
// choice with one leg of two parts. The best five choices fill the table
// (Table1); the selected row is drawn in the circuit (Picture1, whose
// accessible description says it in words) and gives the worst case. The
// fields "eigene Werte R1, R2" show the same for values the user has. A
// blank required field empties the results; a field that cannot be read or
// a task that cannot be met shows a short German line (the red label) and
// empties them too, until the inputs work again.
class Form12 : public common::Form
{
    Q_OBJECT

public:
    Form12();

private:
    // What a field holds.
    enum class Kind { Voltage, Current, Resistance, Gain };

    // A field of a task's page and where its value goes.
    struct Field {
        QLineEdit *edit = nullptr;
        Kind kind = Kind::Voltage;
        bool optional = false;
        double divider::Request::*target = nullptr;
        std::optional<double> divider::Request::*optionalTarget = nullptr;
    };

    void Combo1_Click();
    void Combo2_Click();
    void Table1_Select();

    divider::Task task() const;
    void search();
    void showSelected();
    void showOwn();
    void emptyResults();
    void addField(QWidget *page, std::vector<Field> &fields, const Field &field, QStringView caption,
                  QStringView preset, QStringView accessibleName = {});

    QComboBox *m_task;
    QStackedWidget *m_pages;
    std::array<std::vector<Field>, 3> m_fields; // one list per task
    QComboBox *m_series;
    QComboBox *m_tolerance;
    QCheckBox *m_three;
    QLineEdit *m_ownR1;
    QLineEdit *m_ownR2;
    QLabel *m_message;
    DividerPicture *m_picture;
    QTableWidget *m_table;
    QLineEdit *m_selectedResult;
    QLineEdit *m_selectedRange;
    QLineEdit *m_ownResult;
    QLineEdit *m_ownCurrent;
    QLineEdit *m_ownPower;
    QLineEdit *m_ownRange;
    int m_texts = 0;
    int m_labels = 0;

    std::optional<divider::Request> m_request;
    std::vector<divider::Choice> m_rows; // as the table shows them
};
