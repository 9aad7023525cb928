// SPDX-License-Identifier: GPL-3.0-or-later
#include "boundary.h"

#include "lightpath.h"
#include "scene.h"

#include <cmath>
#include <numbers>

namespace veltrin {

Boundary::Boundary(double index, Source source, double beamAngle, double from, double to)
    : m_index(index), m_source(source), m_beamAngle(beamAngle), m_from(from), m_to(to)
{
}

ArrowFan Boundary::arrivals(int stride) const
{
    // The beam's wavefronts cross the boundary at its angle: from the wavefront through the map's
    // origin, the path to map x grows by x · sin θ.
    const double sine = std::sin(m_beamAngle * std::numbers::pi / 180);
    ArrowFan fan;
    for (double x = m_from + stride / 2.0; x < m_to; x += stride) {
        const Vec2 point{scene::X0 + x, scene::Y0};
        const LightPath path =
            m_source.isPoint() ? LightPath().go(m_source.at(), point) : LightPath().go(x * sine);
        fan.add(point, path.opticalLength());
    }
    return fan;
}

ArrowFan Boundary::transmitted(int stride) const
{
    ArrowFan fan = arrivals(stride);
    fan.index = m_index;
    fan.amplitude = LightPath().cross(1, m_index).amplitude();
    return fan;
}

ArrowFan Boundary::reflected(int stride) const
{
    ArrowFan fan = arrivals(stride);
    fan.amplitude = LightPath().reflect(1, m_index).amplitude();
    return fan;
}

} // namespace veltrin
