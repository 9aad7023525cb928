// SPDX-License-Identifier: GPL-3.0-or-later
#include "paperfigure.h"

#include <QPainter>
#include <cmath>

namespace veltrin {

QImage PaperFigure::image(qreal ratio) const
{
    const QSizeF figure = size();
    QImage image(
        QSize(int(std::ceil(figure.width() * ratio)), int(std::ceil(figure.height() * ratio))),
        QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter painter(&image);
    paint(painter);
    return image;
}

} // namespace veltrin
