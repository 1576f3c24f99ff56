// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture.h"

#include <QMouseEvent>
#include <QPainter>
#ifndef ELEKTRONIK_PICTURES_AS_PNG
#include <QSvgRenderer>
#endif

namespace common {

Picture::Picture(const QString &objectName, const QString &resource, const QString &description,
                 QWidget *parent)
    : QWidget(parent)
    , m_resource(resource)
{
    setObjectName(objectName);
    setAccessibleName(description);
}

void Picture::setClickable(bool clickable)
{
    m_clickable = clickable;
    setCursor(clickable ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void Picture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const bool drawing = m_resource.endsWith(QLatin1String(".svg"));
#ifndef ELEKTRONIK_PICTURES_AS_PNG
    if (drawing) {
        if (!m_svg)
            m_svg = new QSvgRenderer(m_resource, this);
        m_svg->setAspectRatioMode(Qt::IgnoreAspectRatio);
        m_svg->render(&painter, QRectF(rect()));
        return;
    }
#endif
    if (m_raster.isNull())
        m_raster.load(m_resource, drawing ? "png" : nullptr);
    // Scaled once per size: a smooth scale averages the pixels it drops,
    // where drawing a much larger pixmap would only sample them.
    const qreal ratio = devicePixelRatioF();
    const QSize device = (QSizeF(size()) * ratio).toSize();
    if (m_shown.size() != device && !m_raster.isNull()) {
        m_shown = m_raster.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        m_shown.setDevicePixelRatio(ratio);
    }
    painter.drawPixmap(rect(), m_shown);
}

void Picture::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_clickable && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}

} // namespace common
