// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "colour.h"
#include "field.h"

#include <QString>
#include <optional>
#include <span>

namespace veltrin {

/// A point of the scene, in twips from the top left of the window's client area.
struct PointF
{
    float x = 0;
    float y = 0;
    friend constexpr bool operator==(PointF, PointF) = default;
};

/// A rectangle of the scene, in twips.
struct RectF
{
    PointF topLeft;
    PointF bottomRight;
};

/// Everything a run does to the window: drawing in twips, the parameter fields, the
/// "Delete probability" question and the screen updates. A run sees the window only through
/// this interface. A failing operation throws SurfaceError.
class Surface
{
public:
    virtual ~Surface() = default;

    /// Pen width in whole pixels, whatever the scale; stays until set again.
    virtual void setPenWidth(int pixels) = 0;
    /// A wide pen has round ends reaching half its width beyond each end point.
    virtual void drawLine(PointF from, PointF to, Colour colour = Colour::foreground()) = 0;
    /// Outline of a circle in the foreground colour.
    virtual void drawCircle(PointF centre, float radius) = 0;
    /// Segments from each point to the next, in the foreground colour. For the Cornu spirals,
    /// whose arrows are far shorter than a pixel; each point marks the pixel it lies in.
    virtual void drawChain(std::span<const PointF> points) = 0;

    virtual QString text(Field field) const = 0;
    virtual void setText(Field field, const QString &text) = 0;

    /// Modal Yes/No question; returns true for Yes.
    virtual bool askYesNo(const QString &prompt) = 0;

    /// From now on, what falls wholly within the area is painted over later, when the picture is
    /// drawn again: the surface may leave it out. None: everything is drawn.
    virtual void setCoveredLater(std::optional<RectF> area) { (void)area; }
    /// Whether a drawing within these bounds, with a pen this wide, would be left out now.
    virtual bool leavesOut(RectF bounds, int penPixels) const
    {
        (void)bounds;
        (void)penPixels;
        return false;
    }

    /// Puts everything drawn since the last call on the screen now.
    virtual void present() = 0;
};

} // namespace veltrin
