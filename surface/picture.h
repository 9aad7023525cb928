// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scenestyle.h"

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

namespace veltrin {

/// The words the drawing shows until the first run, painted on the picture itself so that the
/// run's silver bar covers them.
struct Prompt
{
    QRect rect; ///< pixels of the design scale
    QString text;
    QFont font;
};

/// The picture before any run: the style's ground, with the prompt. ratio is how many of its
/// pixels make a pixel of the design scale.
QImage blankPicture(qreal ratio, const Prompt &prompt, const SceneStyle &style = {});

} // namespace veltrin
