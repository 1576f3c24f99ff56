// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "amplifier1window.h"
#include "amplifier2window.h"
#include "colourchartwindow.h"
#include "converterwindow.h"
#include "couplingcapwindow.h"
#include "curvewindows.h"
#include "mainwindow.h"
#include "ohmslawwindow.h"
#include "resistorcodewindow.h"
#include "wavelengthwindow.h"

#include <QTest>

#include <functional>
#include <memory>
#include <vector>

// The windows of both programs as rows of a data-driven test, each row a
// factory that builds the window afresh.
namespace testing {

using WindowFactory = std::function<std::unique_ptr<QWidget>()>;

template <typename W>
WindowFactory makeWindow()
{
    return [] { return std::make_unique<W>(); };
}

struct WindowRow {
    const char *name;
    WindowFactory factory;
};

// Every window, each with the name of its row; the main window only when
// asked, since it is no dialog of its own.
inline std::vector<WindowRow> windowRows(bool withMainWindow)
{
    std::vector<WindowRow> rows;
    if (withMainWindow)
        rows.push_back({"Form3 Elektronik Berechnungen", makeWindow<Form3>()});
    rows.insert(rows.end(), {
        {"Form2 Kennlinie-Beispiel", makeWindow<Form2>()},
        {"Form4 Kennlinie Beispiel", makeWindow<Form4>()},
        {"Form1 Verstärker-Berechnung", makeWindow<Form1>()},
        {"Form5 Verstärker Berechnung", makeWindow<Form5>()},
        {"Form6 Strom-Spannung-Widerstand", makeWindow<Form6>()},
        {"Form7 VB Farbcode", makeWindow<Form7>()},
        {"Form8 Frequenz - Wellenlänge", makeWindow<Form8>()},
        {"Form9 Koppel-Kondensator", makeWindow<Form9>()},
        {"Form10 Widerstands Farbcode", makeWindow<Form10>()},
        {"einheiten Umrechnung", makeWindow<converter::Form1>()},
    });
    return rows;
}

// Adds the column "factory" and one row per window of windowRows().
inline void addWindowRows(bool withMainWindow)
{
    QTest::addColumn<WindowFactory>("factory");
    for (const WindowRow &row : windowRows(withMainWindow))
        QTest::newRow(row.name) << row.factory;
}

} // namespace testing
