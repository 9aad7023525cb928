// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mirror.h"
#include "vec2.h"

#include <cmath>

namespace veltrin {

/// Where the light comes from: the parallel beam of the main window, which enters through the
/// source plane, or a point that shines in every direction.
class Source
{
public:
    static Source beam() { return Source(false, {}); }
    static Source point(Vec2 at) { return Source(true, at); }

    bool isPoint() const { return m_isPoint; }
    Vec2 at() const { return m_at; }

    /// The light's path from the source to a mirror point, twips. The beam's is counted from the
    /// source plane to the point's depth behind the vertex line, not to the point itself: that
    /// leaves out X0, the same for every path, so no arrow turns against another.
    double pathTo(const MirrorPoint &point) const
    {
        if (!m_isPoint)
            return scene::XS - point.depth;
        return std::hypot(point.x() - m_at.x, point.y - m_at.y);
    }

    friend bool operator==(const Source &, const Source &) = default;

private:
    Source(bool isPoint, Vec2 at) : m_isPoint(isPoint), m_at(at) {}

    bool m_isPoint;
    Vec2 m_at;
};

} // namespace veltrin
