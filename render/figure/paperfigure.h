// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSizeF>
#include <QString>

class QPainter;

namespace veltrin {

/// A figure for a worksheet or a page, as a window makes it of what it shows: it paints on its
/// white ground with QPainter on any device, as strokes and text where it can, so that a vector
/// file keeps it as such. Saved and printed alike, whichever window made it.
class PaperFigure
{
public:
    virtual ~PaperFigure() = default;

    /// The figure's size in pixels of the design scale (96 to the inch).
    virtual QSizeF size() const = 0;
    /// Paints the figure on its white ground, from the painter's origin, in pixels of the
    /// design scale.
    virtual void paint(QPainter &painter) const = 0;
    /// What the figure shows, in a line, for a file's description.
    virtual QString description() const = 0;

    /// The figure as a picture with this many pixels to a pixel of the design scale.
    QImage image(qreal ratio) const;

protected:
    PaperFigure() = default;
    PaperFigure(const PaperFigure &) = default;
    PaperFigure &operator=(const PaperFigure &) = default;
};

} // namespace veltrin
