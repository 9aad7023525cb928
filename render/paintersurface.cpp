// SPDX-License-Identifier: GPL-3.0-or-later
#include "paintersurface.h"

#include <utility>

namespace veltrin {

PainterSurface::PainterSurface(QImage &picture, SceneStyle style)
    : m_painter(picture, std::move(style))
{
}

void PainterSurface::setPenWidth(int pixels)
{
    m_painter.setPenWidth(pixels);
}

void PainterSurface::drawLine(PointF from, PointF to, Colour colour)
{
    painter().drawLine(from, to, colour);
}

void PainterSurface::drawCircle(PointF centre, float radius)
{
    painter().drawCircle(centre, radius);
}

void PainterSurface::drawChain(std::span<const PointF> points)
{
    painter().drawChain(points);
}

void PainterSurface::setCoveredLater(std::optional<RectF> area)
{
    m_painter.setCoveredLater(area);
}

bool PainterSurface::leavesOut(RectF bounds, int penPixels) const
{
    return m_painter.leavesOut(bounds, penPixels);
}

} // namespace veltrin
