// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scenepainter.h"
#include "surface.h"

namespace veltrin {

/// A surface that draws on a picture through a ScenePainter: the drawing calls, once, for every
/// surface that paints pixels. What it does with the fields, the question and the screen update
/// is the subclass's.
class PainterSurface : public Surface
{
public:
    void setPenWidth(int pixels) override;
    void drawLine(PointF from, PointF to, Colour colour) override;
    void drawCircle(PointF centre, float radius) override;
    void drawChain(std::span<const PointF> points) override;
    void setCoveredLater(std::optional<RectF> area) override;
    bool leavesOut(RectF bounds, int penPixels) const override;

protected:
    explicit PainterSurface(QImage &picture, SceneStyle style = {});

    /// The painter the drawing goes through; a subclass whose picture may be gone throws
    /// SurfaceError here instead.
    virtual ScenePainter &painter() { return m_painter; }

    ScenePainter m_painter;
};

} // namespace veltrin
