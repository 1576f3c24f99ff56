// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QWidget;

// The worked examples of the help documents, carried out in their windows.
// An example is a table of class "beispiel"; each of its rows of class
// "eingabe" (type or pick the value), "aktion" (click) or "ergebnis" (the
// field shows the value; "Zwischenablage" is the clipboard) names a control
// by its caption in <th> and gives the value in the <td> after it. Where
// controls share a caption, a further class of the table or row,
// "links", "rechts", "oben" or "unten", says which one.
namespace testing {

struct ExampleRow {
    QString kind;
    QStringList where;
    QString caption;
    QString value;
};
using Example = QList<ExampleRow>;

// The examples of the document, such as "iur.html".
QList<Example> helpExamples(const QString &page);

// Carries out the example in the shown window as a user would. Returns
// what went wrong: rows it could not carry out, results that differ and
// warnings the window gave.
QStringList runExample(QWidget *window, const Example &example);

} // namespace testing
