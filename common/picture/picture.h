// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

#include <memory>

class QSvgRenderer;

namespace common {

// A picture from the program's resources, drawn stretched to the widget.
// SVG pictures are rendered at the size shown, so they stay sharp on any
// screen; nothing is decoded before the picture is first painted.
// A clickable picture emits clicked() on a left click.
class Picture : public QWidget
{
    Q_OBJECT

public:
    Picture(const QString &objectName, const QString &resource, const QString &description,
            QWidget *parent);
    ~Picture() override;

    void setClickable(bool clickable);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QString m_resource;
    bool m_clickable = false;
    std::unique_ptr<QSvgRenderer> m_svg;
    QPixmap m_raster;
};

} // namespace common
