// SPDX-License-Identifier: GPL-3.0-or-later
#include "glasslayerfigure.h"

#include "glasslayerview.h"

#include <QImage>
#include <QPainter>

namespace veltrin {

GlassLayerFigure::GlassLayerFigure(const GlassLayerView &view, QString caption)
    : m_picture(1600, 1040, QImage::Format_RGB32), m_caption(std::move(caption))
{
    // Made now, on the window's thread: the figure is written off it.
    m_picture.setDevicePixelRatio(2);
    QPainter painter(&m_picture);
    view.paintOn(painter, QRectF(0, 0, 800, 520));
}

void GlassLayerFigure::paint(QPainter &painter) const
{
    painter.fillRect(QRectF(QPointF(), size()), Qt::white);
    painter.drawImage(QRectF(0, 0, 800, 520), m_picture);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(10, 530, 780, 100), Qt::TextWordWrap | Qt::AlignTop | Qt::AlignLeft,
                     m_caption);
}

} // namespace veltrin
