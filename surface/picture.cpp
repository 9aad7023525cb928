// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture.h"

#include "colour.h"
#include "twips.h"

#include <QPainter>

namespace veltrin {

QColor pictureBackground()
{
    const Colour silver = Colour::silver();
    return QColor(silver.red(), silver.green(), silver.blue());
}

QImage blankPicture(qreal ratio, const Prompt &prompt)
{
    QImage image(QSizeF(QSizeF(picturePixels) * ratio).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(pictureBackground());
    QPainter painter(&image);
    painter.fillRect(prompt.rect, pictureBackground());
    painter.setFont(prompt.font);
    // Dark on the silver whatever the desktop's colour scheme, like everything on the picture.
    painter.setPen(Qt::black);
    painter.drawText(prompt.rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, prompt.text);
    return image;
}

} // namespace veltrin
