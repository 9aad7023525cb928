// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scenestyle.h"

#include <QRect>

class QPainter;

namespace veltrin {

/// The legend of a style that has one: each frequency by name beside a patch of its bars'
/// colour, in a row above the bars, where no run draws. It is painted over the picture rather
/// than into it, so that erasing never takes it away.
class SceneLegend
{
public:
    /// Paints the legend, in pixels of the design scale.
    static void paint(QPainter &painter, const SceneStyle &style);
    /// Where the legend stands, in pixels of the design scale.
    static QRect area(const SceneStyle &style);
};

} // namespace veltrin
