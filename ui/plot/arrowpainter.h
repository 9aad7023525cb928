// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>

class QPainter;

namespace veltrin {

/// Filled arrowheads in the painter's brush, for the close-up's views.
class ArrowPainter
{
public:
    /// A head of the given length (pixels) with its tip at `tip`, pointing away from `from`.
    static void head(QPainter &painter, QPointF from, QPointF tip, double length);
    /// The marker ring around the chosen mirror point or arrow.
    static void ring(QPainter &painter, QPointF centre);
};

} // namespace veltrin
