// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

class QWidget;

// The worked examples of the help pages: tables of class "beispiel" whose
// rows "eingabe" (type or pick), "aktion" (click) and "ergebnis" (the field,
// or "Zwischenablage", shows it) name a control by its caption in <th>,
// with the value in the <td> after it. A class "links", "rechts", "oben" or
// "unten" of the table or row picks one of several controls of one caption.
namespace testing {

struct ExampleRow {
    QString kind, place, caption, value;
};
using Example = QList<ExampleRow>;

// The examples of a page, such as "iur.html".
QList<Example> helpExamples(const QString &page);

// Carries the example out in the shown window as a user would; returns the
// rows that failed or differ and any warning given.
QStringList runExample(QWidget *window, const Example &example);

} // namespace testing
