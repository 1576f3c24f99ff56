// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "unitfield.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QWheelEvent>

namespace converter {

UnitField::UnitField(const QString &objectName, const QStringList &units, QWidget *parent)
    : QComboBox(parent)
{
    setObjectName(objectName);
    setEditable(true);
    // Qt's inline completer would write "Ohm" after a typed "O" without the
    // user having typed it.
    setCompleter(nullptr);
    setInsertPolicy(QComboBox::NoInsert);
    addItems(units);
    setCurrentIndex(-1);
}

void UnitField::setLocked(bool locked)
{
    m_locked = locked;
    lineEdit()->setReadOnly(locked);
}

void UnitField::showPopup()
{
    if (!m_locked)
        QComboBox::showPopup();
}

void UnitField::keyPressEvent(QKeyEvent *event)
{
    if (m_locked) {
        switch (event->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_F4:
            // These would step through the list or open it.
            event->accept();
            return;
        default:
            break;
        }
    }
    QComboBox::keyPressEvent(event);
}

void UnitField::wheelEvent(QWheelEvent *event)
{
    if (m_locked) {
        event->ignore();
        return;
    }
    QComboBox::wheelEvent(event);
}

} // namespace converter
