// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dirtyarea.h"
#include "linememo.h"
#include "scenestyle.h"
#include "strokeraster.h"
#include "surface.h"

#include <QImage>
#include <QPainter>
#include <optional>

namespace veltrin {

/// Draws the scene in twips on an image, in a style, aliased, with the one mapping from twips to
/// the image's pixels: 15 twips to a pixel at the design scale, times the image's device pixel
/// ratio. It marks the pixels of sub-pixel spiral arrows itself, so that every point of a spiral
/// shows in exactly the pixel it lies in, and it fills a line drawn again and again, like the
/// rays at every detector position, with the pixels QPainter gave it before.
class ScenePainter
{
public:
    explicit ScenePainter(QImage &image, SceneStyle style = {});

    /// Draws from now on in another style; what is drawn stays as it is.
    void setStyle(SceneStyle style);

    void setPenWidth(int pixels);
    void drawLine(PointF from, PointF to, Colour colour);
    void drawCircle(PointF centre, float radius);
    void drawChain(std::span<const PointF> points);
    /// Leaves out from now on what falls wholly within the area, which is painted over later.
    void setCoveredLater(std::optional<RectF> area);
    bool leavesOut(RectF bounds, int penPixels) const;

    /// Ends painting, so the image may be shown, saved or made anew, and hands over the area
    /// changed since the last call, in pixels of the design scale.
    QRegion finish();

private:
    QPainter &painter();
    void usePen(Colour colour, qreal width);
    /// The width a line is drawn with, in pixels of the design scale.
    qreal widthOf(int pixels, Colour colour) const;
    /// Fills a line drawn before with the pixels QPainter gave it, leaving the bars' pixels
    /// where it passes under them; false for a new line.
    bool fillFromMemo(QPointF a, QPointF b, qreal width, QRgb colour, bool underBars);
    QRect toDevicePixels(const QRect &logical) const;
    /// Restores the bars' pixels of a copy of the picture taken at this device pixel.
    void putBarsBack(const QImage &before, QPoint at);
    void markPixels(std::span<const PointF> points, QRgb colour);
    /// Whether a stroke this wide in logical pixels is drawn by the raster rather than QPainter.
    bool drawsItself(qreal width, QRgb colour) const;
    /// Whether a stroke of these pixel bounds lies wholly where it is painted over later.
    bool covered(const QRect &bounds) const { return m_covered && m_covered->contains(bounds); }
    /// Adds changed device pixels to the area the next screen update shows.
    void markDevicePixels(const QRect &changed);

    QImage &m_image;
    SceneStyle m_style;
    std::optional<QPainter> m_painter;
    DirtyArea m_dirty;
    LineMemo m_lines;
    StrokeRaster m_raster;
    int m_penWidth = 1;
    QPen m_lineShape; // the pen's width and ends, as the memo knows lines by; colour aside
    std::optional<Colour> m_penColour;
    std::optional<QRect> m_covered; // in pixels of the design scale
};

} // namespace veltrin
