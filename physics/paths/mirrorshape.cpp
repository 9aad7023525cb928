// SPDX-License-Identifier: GPL-3.0-or-later
#include "mirrorshape.h"

#include "scene.h"

#include <cmath>

namespace veltrin {

double MirrorShape::focalLength() const
{
    return scene::focalLength(m_k);
}

bool MirrorShape::reaches(double u) const
{
    return m_kind == Kind::Parabola || std::abs(u) <= 2 * focalLength();
}

double MirrorShape::depth(double u) const
{
    if (m_kind == Kind::Parabola)
        return m_k * u * u;
    const double radius = 2 * focalLength();
    return radius - std::sqrt(radius * radius - u * u);
}

} // namespace veltrin
