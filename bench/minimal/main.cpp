// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick for start-up: the least a Qt Widgets program needs to show
// one window with one menu bar, built with the same compiler and flags as
// the programs measured against it.

#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    QMenu *menu = window.menuBar()->addMenu(QStringLiteral("&Datei"));
    menu->addAction(QStringLiteral("&Beenden"), &window, &QWidget::close);
    auto *client = new QWidget(&window);
    client->setFixedSize(400, 200);
    window.setCentralWidget(client);
    window.show();
    return app.exec();
}
