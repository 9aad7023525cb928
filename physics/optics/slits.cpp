// SPDX-License-Identifier: GPL-3.0-or-later
#include "slits.h"

#include "mapgrid.h"
#include "mirror.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace veltrin {

Slits::Slits(int count, double width, double separation, Source source)
    : m_count(count), m_width(width), m_separation(separation), m_source(source)
{
}

bool Slits::fit(int count, double width, double separation)
{
    if (count < 1 || count > mostSlits || width < narrowest || width > widest)
        return false;
    if (count == 1)
        return true;
    // A bar of screen between neighbours; the outer edges within the screen.
    return separation > width && (count - 1) * separation + width <= screenHeight;
}

double Slits::centre(int slit) const
{
    return (slit - (m_count - 1) / 2.0) * m_separation;
}

ArrowFan Slits::fan(int slit, int pointsPerHalf) const
{
    assert(pointsPerHalf > 0 && Mirror::sampleCount % pointsPerHalf == 0);
    // As far apart as the mirror's samples for this grid, evenly over the slit, at least one.
    const double spacing = double(Mirror::sampleCount / pointsPerHalf);
    const int points = std::max(1, int(std::lround(m_width / spacing)));
    const double step = m_width / points;
    const double from = centre(slit) - m_width / 2 + step / 2;
    ArrowFan fan;
    for (int i = 0; i < points; ++i) {
        const Vec2 at = MapGrid::sceneOf({0, from + i * step});
        // The beam reaches the whole screen at once; a point source by a straight way.
        const double path =
            m_source.isPoint() ? std::hypot(at.x - m_source.at().x, at.y - m_source.at().y) : 0;
        fan.add(at, path);
    }
    // The arrows a slit sends stand for its width as the mirror's for its samples.
    fan.amplitude = step / spacing;
    return fan;
}

std::vector<ArrowFan> Slits::fans(int pointsPerHalf) const
{
    std::vector<ArrowFan> all;
    for (int slit = 0; slit < m_count; ++slit)
        all.push_back(fan(slit, pointsPerHalf));
    return all;
}

} // namespace veltrin
