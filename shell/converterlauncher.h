// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

#include <optional>

// Starts the converter program "einheiten" as a process of its own that may
// outlive the caller: the one in one of `besideDirs` first, otherwise one on
// the search path. No shell is involved. Returns its process id, or nothing
// when no converter could be started.
std::optional<qint64> startConverter(const QStringList &besideDirs);
