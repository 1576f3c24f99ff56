// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QComboBox>

namespace converter {

// The unit field: an editable drop-down whose list only offers suggestions.
//
// The user picks a unit (activated()) or types any text (textEdited() of
// lineEdit()). Typing is never completed inline, and Enter never adds the
// typed text to the list. Locked, the field keeps showing its text, but
// neither typing, nor the list, nor the arrow keys or the wheel change it.
class UnitField : public QComboBox
{
    Q_OBJECT

public:
    UnitField(const QString &objectName, const QStringList &units, QWidget *parent);

    void setLocked(bool locked);
    bool isLocked() const { return m_locked; }

    void showPopup() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    bool m_locked = false;
};

} // namespace converter
