// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scenestyle.h"

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

class QPainter;

namespace veltrin {

/// The words the drawing shows until the first run, painted on the picture itself so that the
/// run's silver bar covers them.
struct Prompt
{
    QRect rect; ///< pixels of the design scale
    QString text;
    QFont font;
};

/// Makes a painter on the picture take its device pixel ratio below 1 too, as it takes one above
/// 1: QPainter by itself counts such a ratio as 1. Call it right after the painter begins.
void followPictureRatio(QPainter &painter, const QImage &picture);

/// The size of the picture, in its own pixels, where ratio of them make a pixel of the design
/// scale.
QSize pictureSize(qreal ratio);

/// The picture before any run: the style's ground, with the prompt unless its text is empty.
/// ratio is how many of its pixels make a pixel of the design scale.
QImage blankPicture(qreal ratio, const Prompt &prompt, const SceneStyle &style = {});
/// Makes a picture of pictureSize(ratio) blank, as blankPicture makes it, on its own memory.
void makeBlank(QImage &image, qreal ratio, const Prompt &prompt, const SceneStyle &style = {});

} // namespace veltrin
