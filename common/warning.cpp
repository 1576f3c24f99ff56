// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "warning.h"

#include <QAbstractButton>
#include <QMessageBox>

namespace common {

namespace {
WarningRecorder *g_recorder = nullptr; // the test seam; null in the programs
}

WarningRecorder::WarningRecorder()
    : m_previous(g_recorder)
{
    g_recorder = this;
}

WarningRecorder::~WarningRecorder()
{
    g_recorder = m_previous;
}

QStringList WarningRecorder::take()
{
    return std::exchange(m_messages, {});
}

void warning(QWidget *parent, const QString &message)
{
    if (g_recorder) {
        g_recorder->m_messages.append(message);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Achtung"), message, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("warningBox"));
    // Some styles put a tick on standard dialog buttons; this box shows no
    // picture at all.
    for (QAbstractButton *button : box.buttons())
        button->setIcon(QIcon());
    box.exec();
}

} // namespace common
