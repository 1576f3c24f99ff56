// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>

// A colour swatch: a label filled with its colour, with a thin black border
// and its caption centred as plain text. It reports a click with the left
// mouse button, or Space or Enter once it holds the keyboard focus, which
// only Tab gives it; a dotted frame shows that focus.
class Swatch : public QLabel
{
    Q_OBJECT

public:
    Swatch(const QString &objectName, const QString &caption, const QColor &background,
           const QColor &captionColour, QWidget *parent);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool m_pressed = false;
};
