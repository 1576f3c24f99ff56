// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// What a user does in a window, written as short steps in the window
// tests' tables. Each step names a child of the window:
//   "Text1=12"   types 12 over the field's text; "Text1=" empties it
//   "Text1+5"    types 5 at the end of the field's text
//   "Combo4=µA"  picks the item from the drop-down list
//   "Command1"   clicks the button, option or picture
// The name ends at the first "=" or "+"; what follows is typed or picked.
namespace testing {

// Carries out the steps in order, as the user would, through
// useractions.h. Stops at the first step it cannot carry out and returns
// that step with the reason; empty when all were carried out.
QString doSteps(QWidget *window, const QStringList &steps);

// The names the steps act on, in order.
QStringList stepNames(const QStringList &steps);

// The texts of the window's named fields as steps that would type them:
// "Text8=3,000".
QStringList fieldSteps(const QWidget *window, const QStringList &names);

} // namespace testing
