// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "resultfield.h"

namespace common {

ResultField::ResultField(const QString &objectName, QWidget *parent)
    : QLineEdit(parent)
{
    setObjectName(objectName);
    setReadOnly(true);
}

void setTextColour(QWidget *field, const QColor &colour)
{
    QPalette palette = field->palette();
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::WindowText, colour);
    field->setPalette(palette);
}

QColor textColour(const QWidget *field)
{
    return field->palette().color(QPalette::Text);
}

} // namespace common
