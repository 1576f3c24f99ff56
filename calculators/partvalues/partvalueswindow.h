// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form.h"
#include "partvalues.h"

#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QStackedWidget;
class QWidget;
class RingPicture;

// "Bauteilwerte": the value or marking of a resistor or capacitor, read as
// it is typed, and written back in every marking.
//
// Unlike the other calculators it has no "Berechne" and shows no warning
// box: every change of the field "Wert oder Aufdruck" (Text1) or of the part
// (Option1 "Widerstand", Option2 "Kondensator") reads the text again. A
// text with several readings offers them in "Lesart" (Combo1, shown only
// then); the rest of the window explains the chosen one: its value, every
// marking, for resistors the 4-ring and 5-ring codes in words and drawn
// for the tolerance of "Toleranz" (Combo2, preset from the text where it
// gives one), the nearest standard values of each series, and the best
// pairs of the series in "Reihe" (Combo3, E12 at opening). An empty field
// empties every result. A text without a reading shows a short German line
// (Label4) and leaves everything else as it was; only a change of part
// empties the results then, since they belong to the other part. Every
// result is a read-only field, so it can be selected and copied.
class Form11 : public common::Form
{
    Q_OBJECT

public:
    Form11();

private:
    // One result row: its caption and its field.
    struct Row {
        QLabel *label = nullptr;
        QLineEdit *field = nullptr;
    };

    void Text1_Change();
    void Option_Click();
    void Combo1_Click();
    void Combo2_Click();
    void Combo3_Click();

    common::Part part() const;
    void readText();
    void fillSeriesChoice();
    void showReading();
    void showRings();
    void showPairs();
    void emptyResults();

    QRadioButton *m_resistor;
    QLineEdit *m_text;
    QComboBox *m_reading;
    QLabel *m_readingCaption;
    QComboBox *m_tolerance;
    QComboBox *m_pairSeries;
    QLabel *m_message;
    QLineEdit *m_value;
    QLineEdit *m_how;
    QStackedWidget *m_markingPages;
    QWidget *m_ringBox;
    std::vector<Row> m_markings;  // the resistor's rows, then the capacitor's
    std::vector<Row> m_standard;  // one per series, E6 first
    std::vector<Row> m_ringWords; // 4 rings, 5 rings
    std::vector<RingPicture *> m_ringPictures;
    QLineEdit *m_seriesPair;
    QLineEdit *m_parallelPair;

    std::vector<partvalues::Reading> m_readings;
};
