// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commandline.h"
#include "converterwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (const auto exitCode = common::handleCommandLine(
            argc, argv, {QStringLiteral("einheiten"), QStringLiteral("Umrechnung: rechnet Zahlen zwischen Einheitenvorsätzen um.")}))
        return *exitCode;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("einheiten"));
    QApplication::setDesktopFileName(QStringLiteral("einheiten"));
    QApplication::setWindowIcon(converter::Form1::icon());

    converter::Form1 form;
    common::placeWindow(form, common::Position::CentredOnScreen, nullptr);
    form.show();
    return app.exec();
}
