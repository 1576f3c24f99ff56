// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLineEdit>

namespace common {

// A field the program fills with a formatted number. The user cannot type
// into it but can select and copy from it.
class ResultField : public QLineEdit
{
    Q_OBJECT

public:
    ResultField(const QString &objectName, QWidget *parent);
};

// Sets the colour of a field's text (black or red in these windows).
void setTextColour(QWidget *field, const QColor &colour);
QColor textColour(const QWidget *field);

} // namespace common
