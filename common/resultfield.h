// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "standardvalues.h"

#include <QLineEdit>

namespace common {

// A field the program fills with a formatted number. The user cannot type
// into it but can select and copy from it. Whenever its text changes it
// drops the standard values shown for the old result.
class ResultField : public QLineEdit
{
    Q_OBJECT

public:
    ResultField(const QString &objectName, QWidget *parent);
};

// Sets the colour of a field's text (black or red in these windows).
void setTextColour(QWidget *field, const QColor &colour);
QColor textColour(const QWidget *field);

// Shows the nearest standard values of a computed resistance or capacitance
// as the field's tooltip and accessible description, which screen readers
// read out; none when the value has none. Call it after writing the text:
// a ResultField drops them on its next change of text, any other field
// through clearStandardValues().
void showStandardValues(QLineEdit *field, double value, Part part);
void clearStandardValues(QLineEdit *field);

} // namespace common
