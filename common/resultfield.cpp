// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "resultfield.h"

namespace common {

ResultField::ResultField(const QString &objectName, QWidget *parent)
    : QLineEdit(parent)
{
    setObjectName(objectName);
    setReadOnly(true);
    // The standard values belong to the result they were computed from.
    connect(this, &QLineEdit::textChanged, this, [this] { clearStandardValues(this); });
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

void showStandardValues(QLineEdit *field, double value, Part part)
{
    const QString values = nearestStandardValues(value, part);
    field->setToolTip(values);
    field->setAccessibleDescription(values);
}

void clearStandardValues(QLineEdit *field)
{
    // Most changes of text find nothing to clear; they need not tell a
    // screen reader so.
    if (field->toolTip().isEmpty() && field->accessibleDescription().isEmpty())
        return;
    field->setToolTip(QString());
    field->setAccessibleDescription(QString());
}

} // namespace common
