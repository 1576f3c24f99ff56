// SPDX-FileCopyrightText: 2026 The Elektronik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

namespace common {

Picture::Picture(const QString &objectName, const QString &resource, const QString &description,
                 QWidget *parent)
    : QWidget(parent)
    , m_resource(resource)
{
    setObjectName(objectName);
    setAccessibleName(description);
}

Picture::~Picture() = default;

void Picture::setClickable(bool clickable)
{
    m_clickable = clickable;
    setCursor(clickable ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void Picture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (m_resource.endsWith(QLatin1String(".svg"))) {
        if (!m_svg)
            m_svg = std::make_unique<QSvgRenderer>(m_resource);
        m_svg->setAspectRatioMode(Qt::IgnoreAspectRatio);
        m_svg->render(&painter, QRectF(rect()));
        return;
    }
    if (m_raster.isNull())
        m_raster.load(m_resource);
    painter.drawPixmap(rect(), m_raster);
}

void Picture::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_clickable && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}

} // namespace common
