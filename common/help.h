// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QWidget;

// The help of the windows: one German document per window, compiled in
// under :/help/ from assets/help/, shown in a help window beside the window
// it explains.
namespace common {

// The document `window` shows as its help, such as "iur.html": the one set
// with setHelpPage(); empty when it has none.
QString helpPage(const QWidget *window);

// Lets `window` show `page`, a document under assets/help/, as its help.
// Each window names its own page in its constructor, so that the help
// needs no list of windows.
void setHelpPage(QWidget *window, const QString &page);

// Opens the help window of `window` with its document: a window of its own,
// titled "Hilfe – " and the caption of `window`, in the desktop's look,
// beside `window` where the screen has room for it, else on the side with
// more room, covering as little of `window` as the screen allows.
// It is a child of `window` and not modal, so it can be read while the user
// goes on working in a modal calculator, and it closes with `window`. When
// it is open already, it is raised instead.
void showHelp(QWidget *window);

// F1 in `window` calls showHelp(window).
void addHelpKey(QWidget *window);

} // namespace common
