// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class QSvgRenderer;

namespace common {

// A picture from the program's resources, drawn stretched to the widget.
// SVG pictures are rendered at the size shown, so they stay sharp on any
// screen; nothing is decoded before the picture is first painted. A build
// without QtSvg holds each drawing as a PNG of three times its size under
// the drawing's name, scaled down smoothly to the size shown.
// A clickable picture emits clicked() on a left click.
class Picture : public QWidget
{
    Q_OBJECT

public:
    Picture(const QString &objectName, const QString &resource, const QString &description,
            QWidget *parent);

    void setClickable(bool clickable);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QString m_resource;
    bool m_clickable = false;
    QSvgRenderer *m_svg = nullptr; // a child, made at the first paint
    QPixmap m_raster;
    QPixmap m_shown; // m_raster at the size shown, in device pixels
};

} // namespace common
