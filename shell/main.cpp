// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commandline.h"
#include "form.h"
#include "mainwindow.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char *argv[])
{
    if (const auto exitCode = common::handleCommandLine(
            argc, argv, {QStringLiteral("elektronik"), QStringLiteral("Elektronik Berechnungen: Rechner für elektronische Schaltungen.")}))
        return *exitCode;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("elektronik"));
    QApplication::setDesktopFileName(QStringLiteral("elektronik"));

    Form3 form;
    common::placeWindow(form, common::Position::CentredOnScreen, nullptr);
    form.show();
    return app.exec();
}
