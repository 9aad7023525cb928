// SPDX-License-Identifier: GPL-3.0-or-later
#include "detectorpositions.h"

#include <algorithm>
#include <cmath>

namespace veltrin {

std::optional<int> DetectorPositions::at(PointF point, double barOffset)
{
    const double halfStep = step / 2;
    const double left = x(0) + std::min(0.0, barOffset) - halfStep;
    const double right = x(count - 1) + std::max(0.0, barOffset) + halfStep;
    if (point.x < left || point.x > right || point.y < scene::YTOP || point.y > scene::YBOT)
        return std::nullopt;
    // Bars stand above the axis, offset from their detector; spirals start below it, at the
    // detector itself.
    const double column = point.y < scene::Y0 ? point.x - barOffset : point.x;
    const long nearest = std::lround((column - scene::X0) / step);
    return int(std::clamp(nearest, 0L, long(count - 1)));
}

} // namespace veltrin
