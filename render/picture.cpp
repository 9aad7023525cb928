// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture.h"

#include "twips.h"

#include <QPainter>

namespace veltrin {

void followPictureRatio(QPainter &painter, const QImage &picture)
{
    const qreal ratio = picture.devicePixelRatio();
    if (ratio < 1)
        painter.scale(ratio, ratio);
}

QImage blankPicture(qreal ratio, const Prompt &prompt, const SceneStyle &style)
{
    QImage image(QSizeF(QSizeF(picturePixels) * ratio).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    const QColor ground = QColor::fromRgb(style.background);
    image.fill(ground);
    QPainter painter(&image);
    followPictureRatio(painter, image);
    painter.fillRect(prompt.rect, ground);
    painter.setFont(prompt.font);
    // In the style's colour whatever the desktop's colour scheme, like everything on the picture.
    painter.setPen(QColor::fromRgb(style.prompt));
    painter.drawText(prompt.rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, prompt.text);
    return image;
}

} // namespace veltrin
