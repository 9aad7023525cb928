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

QSize pictureSize(qreal ratio)
{
    return QSizeF(QSizeF(picturePixels) * ratio).toSize();
}

QImage blankPicture(qreal ratio, const Prompt &prompt, const SceneStyle &style)
{
    QImage image(pictureSize(ratio), QImage::Format_RGB32);
    makeBlank(image, ratio, prompt, style);
    return image;
}

void makeBlank(QImage &image, qreal ratio, const Prompt &prompt, const SceneStyle &style)
{
    image.setDevicePixelRatio(ratio);
    const QColor ground = QColor::fromRgb(style.background);
    image.fill(ground);
    if (prompt.text.isEmpty())
        return; // nor fonts needed
    QPainter painter(&image);
    followPictureRatio(painter, image);
    painter.fillRect(prompt.rect, ground);
    painter.setFont(prompt.font);
    // In the style's colour whatever the desktop's colour scheme, like everything on the picture.
    painter.setPen(QColor::fromRgb(style.prompt));
    painter.drawText(prompt.rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, prompt.text);
}

} // namespace veltrin
