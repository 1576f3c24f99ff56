// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace common {

// The one message box of both programs: modal, title "Achtung", the message,
// one OK button and no icon. Returns when the user has pressed OK.
void warning(QWidget *parent, const QString &message);

// While one of these lives, warning() records its messages here instead of
// showing a box, so tests can drive windows without a nested event loop.
class WarningRecorder
{
public:
    WarningRecorder();
    ~WarningRecorder();
    WarningRecorder(const WarningRecorder &) = delete;
    WarningRecorder &operator=(const WarningRecorder &) = delete;

    const QStringList &messages() const { return m_messages; }
    // The messages so far, forgetting them.
    QStringList take();

private:
    friend void warning(QWidget *, const QString &);
    QStringList m_messages;
    WarningRecorder *m_previous;
};

} // namespace common
