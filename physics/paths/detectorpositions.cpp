// SPDX-License-Identifier: GPL-3.0-or-later
#include "detectorpositions.h"

#include <algorithm>
#include <cmath>

namespace veltrin {

std::optional<int> DetectorPositions::at(Vec2 point, double barOffset)
{
    using namespace scene;
    const double halfStep = detectorStep / 2;
    const double left = detectorX(0) + std::min(0.0, barOffset) - halfStep;
    const double right = detectorX(detectorPositions - 1) + std::max(0.0, barOffset) + halfStep;
    if (point.x < left || point.x > right || point.y < YTOP || point.y > YBOT)
        return std::nullopt;
    // Bars stand above the axis, offset from their detector; spirals start below it, at the
    // detector itself.
    const double column = point.y < Y0 ? point.x - barOffset : point.x;
    const long nearest = std::lround((column - X0) / detectorStep);
    return int(std::clamp(nearest, 0L, long(detectorPositions - 1)));
}

} // namespace veltrin
