// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "converterlauncher.h"

#include <QProcess>
#include <QStandardPaths>

std::optional<qint64> startConverter(const QStringList &besideDirs)
{
    const QString name = QStringLiteral("einheiten");
    QString program = besideDirs.isEmpty() ? QString() : QStandardPaths::findExecutable(name, besideDirs);
    if (program.isEmpty())
        program = QStandardPaths::findExecutable(name);
    if (program.isEmpty())
        return std::nullopt;
    qint64 pid = 0;
    if (!QProcess::startDetached(program, {}, QString(), &pid))
        return std::nullopt;
    return pid;
}
