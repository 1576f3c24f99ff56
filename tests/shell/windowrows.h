// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "amplifier1window.h"
#include "amplifier2window.h"
#include "colourchartwindow.h"
#include "converterwindow.h"
#include "couplingcapwindow.h"
#include "curvewindows.h"
#include "dividerwindow.h"
#include "ledresistorwindow.h"
#include "mainwindow.h"
#include "ohmslawwindow.h"
#include "partvalueswindow.h"
#include "resistorcodewindow.h"
#include "wavelengthwindow.h"

#include <QTest>

#include <functional>
#include <memory>

// The windows of both programs as rows of a data-driven test, each row a
// factory that builds the window afresh.
namespace testing {

using WindowFactory = std::function<std::unique_ptr<QWidget>()>;

template <typename W, typename... Arguments>
WindowFactory makeWindow(const Arguments &...arguments)
{
    return [=] { return std::make_unique<W>(arguments...); };
}

// Adds the column "factory" and one row per window; the main window only
// when asked, since it is no dialog of its own.
inline void addWindowRows(bool withMainWindow)
{
    QTest::addColumn<WindowFactory>("factory");
    if (withMainWindow)
        QTest::newRow("Form3 Elektronik Berechnungen") << makeWindow<Form3>();
    QTest::newRow("Form2 Kennlinie-Beispiel") << makeWindow<Form2>(QStringLiteral("verstaerker1.html"));
    QTest::newRow("Form4 Kennlinie Beispiel") << makeWindow<Form4>(QStringLiteral("verstaerker2.html"));
    QTest::newRow("Form1 Verstärker-Berechnung") << makeWindow<Form1>();
    QTest::newRow("Form5 Verstärker Berechnung") << makeWindow<Form5>();
    QTest::newRow("Form6 Strom-Spannung-Widerstand") << makeWindow<Form6>();
    QTest::newRow("Form7 VB Farbcode") << makeWindow<Form7>();
    QTest::newRow("Form8 Frequenz - Wellenlänge") << makeWindow<Form8>();
    QTest::newRow("Form9 Koppel-Kondensator") << makeWindow<Form9>();
    QTest::newRow("Form10 Widerstands Farbcode") << makeWindow<Form10>();
    QTest::newRow("Form11 Bauteilwerte") << makeWindow<Form11>();
    QTest::newRow("Form12 Spannungsteiler") << makeWindow<Form12>();
    QTest::newRow("Form13 LED-Vorwiderstand") << makeWindow<Form13>();
    QTest::newRow("einheiten Umrechnung") << makeWindow<converter::Form1>();
}

} // namespace testing
