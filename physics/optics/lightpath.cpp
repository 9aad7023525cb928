// SPDX-License-Identifier: GPL-3.0-or-later
#include "lightpath.h"

#include <cmath>

namespace veltrin {

double LightPath::reflectionOf(double from, double to)
{
    return std::abs(from - to) / (from + to);
}

LightPath &LightPath::go(double length, double index)
{
    m_opticalLength += length * index;
    return *this;
}

LightPath &LightPath::go(Vec2 from, Vec2 to, double index)
{
    return go(std::hypot(to.x - from.x, to.y - from.y), index);
}

LightPath &LightPath::reflect(double from, double to)
{
    m_amplitude *= to > from ? -reflectionOf(from, to) : reflectionOf(from, to);
    return *this;
}

LightPath &LightPath::cross(double from, double to)
{
    const double r = reflectionOf(from, to);
    m_amplitude *= std::sqrt(1 - r * r);
    return *this;
}

Vec2 LightPath::arrow(double wavenumber, double length) const
{
    const double phase = wavenumber * m_opticalLength;
    return {length * m_amplitude * std::cos(phase), length * m_amplitude * std::sin(phase)};
}

} // namespace veltrin
