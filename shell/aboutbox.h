// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMessageBox>

// "Über Elektronik": the program's name and version as built, the Qt
// version it runs on, what it is, the copyright, the licence with its
// notice that there is no warranty, and the address of the source once the
// build names a real one. It follows the desktop's look.
class AboutBox : public QMessageBox
{
    Q_OBJECT

public:
    explicit AboutBox(QWidget *parent);
};
