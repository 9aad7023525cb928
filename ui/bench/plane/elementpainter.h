// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "experiment.h"

class QColor;
class QPainter;
class QTransform;

namespace veltrin {

/// Draws what the light meets where it is not the mirror: the medium below the boundary with the
/// window the light enters by, or the lens, its glass to scale, and its target, or the screen
/// with its slits and their which-path marks; in whatever
/// pixels `toPixels` maps map points to, for the view and the figure alike.
class ElementPainter
{
public:
    static void paint(QPainter &painter, const Experiment &experiment, const QTransform &toPixels,
                      const QColor &ink);
    /// The way of least time from the source to a map point through the boundary or the lens,
    /// as map points: source, crossing, detector. Empty where no light reaches the point.
    static std::vector<Vec2> leastTimeWay(const Experiment &experiment, Vec2 mapPoint);

private:
    static void paintSlits(QPainter &painter, const Experiment &experiment,
                           const QTransform &toPixels, const QColor &ink);
};

} // namespace veltrin
